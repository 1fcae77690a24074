#pragma once
// The formula engine: operator table, tokens, value memories and the compiled
// formula (tokenizer, postfix, quadruples, evaluation, derivative, simplifier).
// Plain C++, no Qt. Nothing here throws on bad formulas or bad values.
//
// Typical use:
//   zm::TOperatorLib ops;
//   zm::TVarMemory vars, consts;
//   vars.AddVar("x", 0);
//   consts.AddVar("PI", 3.141592653589793);
//   zm::TExpCal f("sin(x)*x^2", ops, vars, consts);   // borrows all three
//   if (f.Valid) { vars.SetValue("x", 2); if (f.Calculate()) use(f.Value); }
//
// Many points at once (the same results as Calculate at each point):
//   std::vector<double> xs = ..., values(xs.size());
//   std::vector<uint8_t> ok(xs.size());
//   const zm::TBatchVariable x{vars.IndexOf("x"), xs.data()};
//   f.CalculateBatch({&x, 1}, xs.size(), values.data(), ok.data());
//
// TExpCal keeps references to the table and both memories: they must outlive it.

#include <cstdint>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

// One operator or function of the formula language.
struct TOperatorObj {
    TOperatorObj(std::string name, std::string symbol, std::string description, int32_t priority,
                 int32_t operandCount);
    std::string Name;
    std::string Symbol;
    std::string Description;
    int32_t Priority = 0;
    int32_t OperandCount = 0;
};

// The 45 operators in their fixed order; also owns the generator of "random",
// seeded once when the table is made.
class TOperatorLib {
public:
    TOperatorLib();                       // seeded from the system's entropy and the clock
    explicit TOperatorLib(uint64_t seed);  // a fixed sequence of "random" draws
    int Count() const { return static_cast<int>(Items_.size()); }
    const TOperatorObj* GetOperator(int index) const;
    int32_t GetPriority(std::string_view name) const;        // -1 when absent
    int32_t GetOperandCount(std::string_view name) const;    // 0 when absent
    int MatchPrefix(std::string_view text) const;             // -1 when none
    int ComparePriority(std::string_view a, std::string_view b) const;  // 1, 0, -1
    int Find(std::string_view name) const;  // row of that exact name, -1 when absent
    // Uniform integer r with 0 <= r < n (n > 0); 0 for n = 0; -(0 <= r < -n) for n < 0.
    int32_t RandomBelow(int32_t n);

private:
    std::vector<TOperatorObj> Items_;
    std::vector<std::vector<uint8_t>> ByFirstChar_;  // rows by the first byte of their name
    std::mt19937_64 Random_;
};

// Token kinds.
enum : uint8_t { kNumber = 0, kConstant = 1, kVariable = 2, kOperator = 3, kParenthesis = 4, kNone = 5 };

// One token. Temporaries made by the compiler carry IsTemp and the number of
// their quadruple (1-based); a user variable of the same name is never one.
struct TExpFactor {
    TExpFactor() = default;
    TExpFactor(uint8_t kind, std::string text, double value);
    void Assign(const TExpFactor& source) { *this = source; }
    bool IsOperand() const { return Kind <= kVariable; }

    uint8_t Kind = kNone;
    std::string Text;
    double Value = 0;
    std::string DisplayText;
    bool IsTemp = false;
    int32_t TempIndex = 0;
};

class TExpFactorList {
public:
    void AddCopy(const TExpFactor& token) { Items_.push_back(token); }
    TExpFactor* Top();
    std::unique_ptr<TExpFactor> Pop();  // nullptr when empty
    TExpFactor* GetFactor(int index);
    const TExpFactor* GetFactor(int index) const;
    int Count() const { return static_cast<int>(Items_.size()); }
    void Clear() { Items_.clear(); }
    std::vector<TExpFactor>& Items() { return Items_; }
    const std::vector<TExpFactor>& Items() const { return Items_; }

private:
    std::vector<TExpFactor> Items_;
};

struct TVarItem {
    TVarItem(std::string name, double value) : Name(std::move(name)), Value(value) {}
    std::string Name;
    double Value = 0;
};

// Named values in insertion order, names unique and case-sensitive.
// Generation() changes whenever the set of names changes (add, delete), so
// compiled formulas know when to look their variables up again.
class TVarMemory {
public:
    TVarMemory() = default;
    TVarMemory(const TVarMemory&) = default;
    TVarMemory(TVarMemory&&) = default;
    // Replacing the whole contents counts as a change of the set of names.
    TVarMemory& operator=(const TVarMemory& other);
    TVarMemory& operator=(TVarMemory&& other) noexcept;

    int AddVar(std::string_view name, double value);  // index, or -1 when the name exists
    bool DeleteVar(std::string_view name);
    bool VarExists(std::string_view name) const { return IndexOf(name) >= 0; }
    double GetValue(std::string_view name) const;      // 0 when absent
    const TVarItem* GetVarItem(int index) const;       // nullptr out of range
    void SetValue(std::string_view name, double value);
    int MatchPrefix(std::string_view text) const;      // -1 when none
    int IndexOf(std::string_view name) const;          // -1 when absent
    int Count() const { return static_cast<int>(Items_.size()); }
    uint64_t Generation() const { return Generation_; }
    double ValueAt(int index) const { return Items_[static_cast<size_t>(index)].Value; }
    // The value of an existing item by its index: a name looked up once, set many times.
    void SetValueAt(int index, double value) { Items_[static_cast<size_t>(index)].Value = value; }

private:
    std::vector<TVarItem> Items_;
    uint64_t Generation_ = 0;
};

// A variable of the variable memory that takes its values from an array in a batch
// evaluation. A slot below 0 (a name the memory does not hold) binds nothing.
struct TBatchVariable {
    int Slot = -1;                   // TVarMemory::IndexOf of the variable
    const double* Values = nullptr;  // one value per point
};

// One compiled formula. Constructed with the formula text and references to the
// operator table, the variable memory and the constant memory (all borrowed).
// Read Valid after construction; call Calculate() as often as needed (result in
// Value); set DiffVariable before Derivative(). The public fields are results:
// callers read them and write only DiffVariable.
class TExpCal {
public:
    TExpCal(std::string_view formula, TOperatorLib& operatorLib, TVarMemory& varMemory,
            TVarMemory& constMemory);
    TExpCal(const TExpCal&) = delete;
    TExpCal& operator=(const TExpCal&) = delete;
    ~TExpCal();

    // Evaluates with the variable memory's current values; false (Value = 0) on
    // an invalid or empty formula, a domain failure or an arithmetic fault.
    bool Calculate();
    // Evaluates at count points: at point i every bound variable holds its Values[i], every
    // other variable the memory's current value. results[i] and ok[i] (1 or 0) are what
    // Value and Calculate would give at that point, bit for bit. Neither the memory nor
    // Value changes.
    void CalculateBatch(std::span<const TBatchVariable> bound, size_t count, double* results, uint8_t* ok);
    // Derivative text by DiffVariable into DerivativeText; returns Derivable
    // (0 for an invalid or empty formula, or an operation without a derivative).
    uint8_t Derivative();
    // Rewrites the quadruples by identities and folding; text into Simplified.
    bool Simplify();

    std::string Formula;
    std::string Simplified;
    uint8_t Valid = 0;
    double Value = 0;
    std::string DerivativeText;
    uint8_t Derivable = 1;
    std::string DiffVariable = "x";

    // The translation steps' lists, for inspection. Postfix is kept whole.
    const TExpFactorList& Tokens() const { return Tokens_; }
    const TExpFactorList& Postfix() const { return Postfix_; }
    const TExpFactorList& Quadruples() const { return Quadruples_; }
    int QuadrupleCount() const { return Quadruples_.Count() / 4; }
    // Infix text of quadruple k (1-based), as written back into formulas.
    std::string InfixText(int k) const;

private:
    struct Program;

    void Tokenize();
    void FixTokens();
    void ToPostfix();
    void Compile();
    void BuildProgram();
    void ResolveSlots();
    bool Runnable();
    bool LoadVariables(const double* const* bound, size_t point);
    bool Execute(double& value);
    void RunBlocks(size_t count, double* results, uint8_t* ok);

    // derivative and simplifier helpers
    void BuildDisplayTexts();
    std::string BuildInfix(const TExpFactor& root) const;
    std::string DeriveAt(const TExpFactor& root);
    void ReplaceTemp(int tempIndex, const TExpFactor& by);
    bool IsLive(int k) const;

    TOperatorLib* OperatorLib_;
    TVarMemory* VarMemory_;
    TVarMemory* ConstMemory_;

    TExpFactorList Tokens_;
    TExpFactorList OperatorStack_;
    TExpFactorList Postfix_;
    TExpFactorList Quadruples_;
    bool PrefixFault_ = false;       // a prefix operator would pop the operator before it
    bool NumberFault_ = false;       // a number with an exponent overflows a double
    std::vector<bool> Eliminated_;   // per quadruple, set by Simplify
    std::vector<std::vector<int>> Uses_;  // during Simplify: operand positions naming each temporary
    std::unique_ptr<TExpFactor> Final_;  // what the last quadruple was replaced by
    std::unique_ptr<Program> Program_;
};

// How a caller's derivative request ended.
enum class TDerivativeOutcome : uint8_t { Ok, Invalid, NotDerivable };

// Differentiates formula by diffVariable, compiles the raw text again, simplifies
// it and puts into text the simplified text unless the raw text is strictly
// shorter. Invalid: the formula does not compile or is blank. NotDerivable: an
// operation has no derivative. text is set only with Ok.
TDerivativeOutcome ShorterDerivativeText(std::string_view formula, std::string_view diffVariable,
                                         TOperatorLib& operatorLib, TVarMemory& varMemory,
                                         TVarMemory& constMemory, std::string& text);

}  // namespace zm
