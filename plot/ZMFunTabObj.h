#pragma once
// Graphs of a drawing and the graph list that owns them.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "plot/ZMComClass01.h"

// Either kind of graph in the graph list.
class TGraphObj {
public:
    virtual ~TGraphObj() = default;
    // Text of the graph in the legend, the graph list box and the menus.
    virtual std::string Caption() const = 0;

protected:
    TGraphObj() = default;
    TGraphObj(const TGraphObj&) = default;
    TGraphObj& operator=(const TGraphObj&) = default;
};

// A function graph. FunctionObjType: 0 Y(x), 1 X(y), 2 R(a), 3 X(t);Y(t), 4 f(x,y).
class TFunctionObj final : public TGraphObj {
public:
    std::string Name = "UnknownFunctionObj";
    std::string Exp;
    std::string AddExp;  // Y(t) of a parametric curve; the relation tail of f(x,y)
    std::uint8_t ShowEnabled = 0;
    std::string Description = "Unknown Description";
    TGraphStyle GraphStyle;
    TInterval Interval;
    TInterval AddInterval;  // y domain of f(x,y)
    TPlotParameter PlotParameter;
    std::uint8_t FunctionObjType = 0;

    TFunctionObj() = default;
    TFunctionObj(const TFunctionObj&) = default;
    TFunctionObj& operator=(const TFunctionObj&) = default;

    void SetGraphStyle(const TGraphStyle& style) { GraphStyle = style; }
    void SetInterval(const TInterval& interval) { Interval = interval; }
    void SetAddInterval(const TInterval& interval) { AddInterval = interval; }
    void SetPlotParameter(const TPlotParameter& parameter) { PlotParameter = parameter; }
    void Assign(const TFunctionObj& source) { *this = source; }

    // Empty for a type outside 0..4.
    std::string Caption() const override;
    bool operator==(const TFunctionObj&) const;
};

// One point of a table graph.
struct TTableElemObj {
    double x = 0;
    double y = 0;
    bool operator==(const TTableElemObj&) const = default;
};

// A coordinate text of a table point (a grid cell, a line of a table file) holding this value
// counts as not numeric.
inline constexpr double kNotANumberMarker = -99999.999;

// Numeric: the strict reader with `sep` takes the text and the value is not the marker.
// `value` gets the number when it is numeric.
bool IsNumericCell(std::string_view text, char sep, double* value = nullptr);

// A table graph and its points in list order. SortingType: 0 none, 1 by x, 2 by y.
class TTableObj final : public TGraphObj {
public:
    std::string Name = "UnknownTableObj";
    std::uint8_t ShowEnabled = 0;
    std::string Description = "Unknown Description";
    TGraphStyle GraphStyle;
    TInterval Interval;            // stored and edited, not drawn
    TPlotParameter PlotParameter;  // stored and edited, not drawn
    std::uint8_t Smooth = 0;
    std::uint8_t SortingType = 0;
    std::vector<TTableElemObj> Points;

    TTableObj() = default;
    TTableObj(const TTableObj&) = default;
    TTableObj& operator=(const TTableObj&) = default;

    std::size_t Count() const { return Points.size(); }
    void AddPoint(double x, double y) { Points.push_back({x, y}); }
    // nullptr outside 0..Count()-1.
    TTableElemObj* GetPoint(std::ptrdiff_t index);
    const TTableElemObj* GetPoint(std::ptrdiff_t index) const;
    void Clear() { Points.clear(); }

    // Stable; equal keys keep their order.
    void SortByX();
    void SortByY();

    // Copies every field and the points; assigning a table to itself keeps it.
    void Assign(const TTableObj& source);

    std::string Caption() const override;
    bool operator==(const TTableObj&) const;
};

// The graph list of a document: drawing, legend and list-box order. Owns its graphs.
class TMemory {
public:
    enum ObjKind : int { kFunction = 0, kTable = 1, kNone = 2 };

    TMemory() = default;
    TMemory(TMemory&&) noexcept = default;
    TMemory& operator=(TMemory&&) noexcept = default;
    TMemory(const TMemory&) = delete;
    TMemory& operator=(const TMemory&) = delete;

    // Both store a deep copy; the caller keeps its own object.
    void AddFunction(const TFunctionObj& graph);
    void AddTable(const TTableObj& table);
    // Nothing happens outside the list.
    void DeleteGraph(std::ptrdiff_t index);

    // 0 function graph, 1 table graph, 2 outside the list.
    int GetObjKind(std::ptrdiff_t index) const;
    // Reads 0 and writes nothing outside the list.
    std::uint8_t GetShowEnabled(std::ptrdiff_t index) const;
    void SetShowEnabled(std::ptrdiff_t index, std::uint8_t value);
    // nullptr outside the list.
    TGraphStyle* GetGraphStyle(std::ptrdiff_t index);
    const TGraphStyle* GetGraphStyle(std::ptrdiff_t index) const;
    // Empty outside the list.
    std::string GetCaption(std::ptrdiff_t index) const;

    std::size_t Count() const { return Items.size(); }
    // nullptr outside the list or when the graph there is of the other kind.
    TGraphObj* GetItem(std::ptrdiff_t index);
    const TGraphObj* GetItem(std::ptrdiff_t index) const;
    TFunctionObj* GetFunction(std::ptrdiff_t index);
    const TFunctionObj* GetFunction(std::ptrdiff_t index) const;
    TTableObj* GetTable(std::ptrdiff_t index);
    const TTableObj* GetTable(std::ptrdiff_t index) const;
    void Clear() { Items.clear(); }

private:
    bool InRange(std::ptrdiff_t index) const {
        return index >= 0 && static_cast<std::size_t>(index) < Items.size();
    }
    std::vector<std::unique_ptr<TGraphObj>> Items;
};
