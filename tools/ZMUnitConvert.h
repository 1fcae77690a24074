#pragma once
// The unit converter's catalogue: categories of units, each converting by factors relative to
// its base unit or, for temperatures, by formulas in x through the formula engine.
// Plain C++, no Qt. Nothing here throws on bad names or values.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One unit.
class TUnitElem {
public:
    std::string Name;
    std::string CategoryName;
    double Factor = 1;            // units in one base unit; 1 for the base unit
    std::string ToBaseFormula;    // x of this unit -> base units; empty for factor units
    std::string FromBaseFormula;  // x base units -> this unit; empty for factor units
};

// One category: its units in catalogue order, the first being the base unit.
class TUnitClass {
public:
    TUnitClass(std::string name, std::string baseUnitName, std::string description, uint8_t usesFormulas);

    std::string Name;
    std::string BaseUnitName;
    std::string Description;
    uint8_t UsesFormulas = 0;  // 1: converts by formulas

    void AddUnit(std::string name, double factor);
    void AddFormulaUnit(std::string name, std::string toBaseFormula, double factor, std::string fromBaseFormula);

    int Count() const { return static_cast<int>(Items_.size()); }
    const TUnitElem* GetUnit(int index) const;          // nullptr out of range
    const TUnitElem* FindUnit(std::string_view name) const;  // first exact match, else nullptr

    // Factor(To) / Factor(From); 0 when a unit is missing or has factor 0.
    double GetFactor(std::string_view fromName, std::string_view toName) const;
    // Through the base unit's formulas; a formula that fails gives 0 for its step. The result is
    // rounded to the place of the 15th significant digit of the largest of the value, the base
    // value and the result, so the rounding of the steps does not show.
    double ConvertByFormula(std::string_view fromName, std::string_view toName, double value) const;
    // By formulas or by factors, as the category converts.
    double Convert(std::string_view fromName, std::string_view toName, double value) const;

private:
    std::vector<TUnitElem> Items_;
};

// The catalogue: categories in order.
class TUnitConvert {
public:
    TUnitClass& AddClass(std::string name, std::string baseUnitName, std::string description);
    TUnitClass& AddFormulaClass(std::string name, std::string baseUnitName, std::string description,
                                uint8_t usesFormulas);

    int Count() const { return static_cast<int>(Items_.size()); }
    const TUnitClass* GetClass(int index) const;            // nullptr out of range
    const TUnitClass* FindClass(std::string_view name) const;  // first exact match, else nullptr

    // Fills an empty catalogue with the twelve categories.
    void BuildCatalogue();

private:
    std::vector<TUnitClass> Items_;
};

// The texts after one conversion of an input text: the input as it then shows ("0" when it
// reads as 0), the result, and the two record lines.
struct TUnitConversionText {
    std::string Input;
    std::string Output;
    std::string UnitsLine;   // "from -> to"
    std::string ValuesLine;  // "input -> output"
};

// Reads `input` with the decimal separator `sep` (0 when it is not a number), converts it and
// writes the result with the same separator.
TUnitConversionText ConvertText(const TUnitClass& category, const std::string& fromName, const std::string& toName,
                                const std::string& input, char sep);
