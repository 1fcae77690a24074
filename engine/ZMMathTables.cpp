// Operator table, token list and value memory.
#include "engine/ZMMath.h"
#include "engine/ZMMathProgram.h"

#include <algorithm>
#include <chrono>

namespace zm {

TOperatorObj::TOperatorObj(std::string name, std::string symbol, std::string description,
                           int32_t priority, int32_t operandCount)
    : Name(std::move(name)), Symbol(std::move(symbol)), Description(std::move(description)),
      Priority(priority), OperandCount(operandCount) {}

namespace {

struct OperatorRow { const char* name; int32_t operands; int32_t priority; const char* description; };

constexpr OperatorRow kOperatorRows[] = {
    {"sin", 1, 35, "Sine of an angle"},
    {"cos", 1, 35, "Cosine of an angle"},
    {"neg", 1, 22, "Negative"},
    {"pos", 1, 22, "Positive"},
    {"tan", 1, 35, "Tangent of an angle"},
    {"cot", 1, 35, "Cotangent of an angle"},
    {"arcsin", 1, 35, "Inverse sine of a given number"},
    {"arccos", 1, 35, "Inverse cosine of a given number"},
    {"arctan", 1, 35, "Arctangent of a given number"},
    {"arccot", 1, 35, "Inverse cotangent of a given number"},
    {"abs", 1, 35, "Returns an absolute value"},
    {"sqrt", 1, 35, "Returns the square root of X"},
    {"sqr", 1, 35, "Returns the square of a number"},
    {"ln", 1, 35, "Returns the natural log of a real expression"},
    {"log10", 1, 35, "Calculates log base 10"},
    {"log2", 1, 35, "Calculates log base 2"},
    {"exp", 1, 35, "Returns the exponential of X"},
    {"int", 1, 35, "Returns the integer part of a real number"},
    {"round", 1, 35, "Returns the value of X rounded to the nearest whole number"},
    {"frac", 1, 35, "Returns the fractional part of a real number"},
    {"sign", 1, 35, "Indicates whether a numeric value is positive, negative, or zero"},
    {"sinh", 1, 35, "Returns the hyperbolic sine of an angle"},
    {"cosh", 1, 35, "Calculates the hyperbolic cosine of an angle"},
    {"tanh", 1, 35, "Returns the hyperbolic tangent of X"},
    {"coth", 1, 35, "Calculates the hyperbolic cotangent of an angle"},
    {"arcsinh", 1, 35, "Calculates the inverse hyperbolic sine of a given number"},
    {"arccosh", 1, 35, "Calculates the inverse hyperbolic cosine of a given number"},
    {"arctanh", 1, 35, "Calculates the inverse hyperbolic tangent of a given number"},
    {"arccoth", 1, 35, "Calculates the inverse hyperbolic cotangent of a given number"},
    {"random", 1, 35, "random(x)=rnd*x, rnd is a random value, 0<=rnd<1"},
    {"^", 2, 30, "Raising to power"},
    {"*", 2, 25, "Multiplication"},
    {"/", 2, 25, "Division"},
    {"+", 2, 20, "Addition"},
    {"-", 2, 20, "Subtration"},
    {">=", 2, 15, ">="},
    {"<=", 2, 15, "<="},
    {"<>", 2, 15, "<>"},
    {"=", 2, 15, "="},
    {"<", 2, 15, "<"},
    {">", 2, 15, ">"},
    {"not", 1, 10, "not"},
    {"and", 2, 5, "and"},
    {"or", 2, 5, "or"},
    {"xor", 2, 5, "xor"},
};

// The opcodes follow the rows.
static_assert(std::size(kOperatorRows) == static_cast<size_t>(TOpCode::Evaluate));

char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// name stands at the start of text, exactly or against the lower-cased text.
bool StartsWithOperator(std::string_view text, std::string_view name) {
    if (name.empty() || text.size() < name.size()) return false;
    bool exact = true, lower = true;
    for (size_t i = 0; i < name.size() && (exact || lower); ++i) {
        if (text[i] != name[i]) exact = false;
        if (LowerChar(text[i]) != name[i]) lower = false;
    }
    return exact || lower;
}

uint64_t SeedOnce() {
    std::random_device device;
    const auto now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return (static_cast<uint64_t>(device()) << 32) ^ device() ^ now;
}

}  // namespace

TOperatorLib::TOperatorLib() : TOperatorLib(SeedOnce()) {}

TOperatorLib::TOperatorLib(uint64_t seed) : Random_(seed) {
    Items_.reserve(std::size(kOperatorRows));
    for (const auto& r : kOperatorRows) Items_.emplace_back(r.name, r.name, r.description, r.priority, r.operands);
    ByFirstChar_.resize(256);
    for (size_t i = 0; i < Items_.size(); ++i)
        ByFirstChar_[static_cast<unsigned char>(Items_[i].Name[0])].push_back(static_cast<uint8_t>(i));
}

int TOperatorLib::Find(std::string_view name) const {
    if (name.empty()) return -1;
    for (uint8_t i : ByFirstChar_[static_cast<unsigned char>(name[0])])
        if (Items_[i].Name == name) return i;
    return -1;
}

const TOperatorObj* TOperatorLib::GetOperator(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &Items_[static_cast<size_t>(index)];
}

int32_t TOperatorLib::GetPriority(std::string_view name) const {
    const int i = Find(name);
    return i < 0 ? -1 : Items_[static_cast<size_t>(i)].Priority;
}

int32_t TOperatorLib::GetOperandCount(std::string_view name) const {
    const int i = Find(name);
    return i < 0 ? 0 : Items_[static_cast<size_t>(i)].OperandCount;
}

int TOperatorLib::MatchPrefix(std::string_view text) const {
    if (text.empty()) return -1;
    // Only rows whose name begins with the text's first byte, as it is or lower-cased.
    int result = -1;
    size_t best = 0;
    const auto first = static_cast<unsigned char>(text[0]);
    const auto lower = static_cast<unsigned char>(LowerChar(text[0]));
    for (unsigned char c : {first, lower}) {
        for (uint8_t i : ByFirstChar_[c]) {
            const std::string& name = Items_[i].Name;
            const bool better = name.size() > best || (name.size() == best && i < result);
            if (better && StartsWithOperator(text, name)) {
                best = name.size();
                result = i;
            }
        }
        if (lower == first) break;
    }
    return result;
}

int TOperatorLib::ComparePriority(std::string_view a, std::string_view b) const {
    const int32_t pa = GetPriority(a), pb = GetPriority(b);
    return pa > pb ? 1 : (pa == pb ? 0 : -1);
}

int32_t TOperatorLib::RandomBelow(int32_t n) {
    if (n == 0) return 0;
    const int64_t m = n < 0 ? -static_cast<int64_t>(n) : n;
    std::uniform_int_distribution<int64_t> pick(0, m - 1);
    const int64_t r = pick(Random_);
    return static_cast<int32_t>(n < 0 ? -r : r);
}

TExpFactor::TExpFactor(uint8_t kind, std::string text, double value)
    : Kind(kind), Text(std::move(text)), Value(value), DisplayText(Text) {}

TExpFactor* TExpFactorList::Top() { return Items_.empty() ? nullptr : &Items_.back(); }

std::unique_ptr<TExpFactor> TExpFactorList::Pop() {
    if (Items_.empty()) return nullptr;
    auto copy = std::make_unique<TExpFactor>(std::move(Items_.back()));
    Items_.pop_back();
    return copy;
}

TExpFactor* TExpFactorList::GetFactor(int index) {
    if (index < 0 || index >= Count()) return nullptr;
    return &Items_[static_cast<size_t>(index)];
}

const TExpFactor* TExpFactorList::GetFactor(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &Items_[static_cast<size_t>(index)];
}

namespace {

// Names are short; a plain loop beats a library compare call here.
bool SameName(const std::string& a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < b.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

}  // namespace

TVarMemory& TVarMemory::operator=(const TVarMemory& other) {
    if (this == &other) return *this;
    Items_ = other.Items_;
    Generation_ = std::max(Generation_, other.Generation_) + 1;
    return *this;
}

TVarMemory& TVarMemory::operator=(TVarMemory&& other) noexcept {
    if (this == &other) return *this;
    Items_ = std::move(other.Items_);
    Generation_ = std::max(Generation_, other.Generation_) + 1;
    return *this;
}

int TVarMemory::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < Items_.size(); ++i)
        if (SameName(Items_[i].Name, name)) return static_cast<int>(i);
    return -1;
}

int TVarMemory::AddVar(std::string_view name, double value) {
    if (name.empty()) name = "UnKnown";
    if (IndexOf(name) >= 0) return -1;
    Items_.emplace_back(std::string(name), value);
    ++Generation_;
    return Count() - 1;
}

bool TVarMemory::DeleteVar(std::string_view name) {
    const int i = IndexOf(name);
    if (i < 0) return false;
    Items_.erase(Items_.begin() + i);
    ++Generation_;
    return true;
}

double TVarMemory::GetValue(std::string_view name) const {
    const int i = IndexOf(name);
    return i < 0 ? 0.0 : Items_[static_cast<size_t>(i)].Value;
}

const TVarItem* TVarMemory::GetVarItem(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &Items_[static_cast<size_t>(index)];
}

void TVarMemory::SetValue(std::string_view name, double value) {
    if (name.empty()) name = "UnKnown";
    const int i = IndexOf(name);
    if (i >= 0) {
        Items_[static_cast<size_t>(i)].Value = value;
        return;
    }
    Items_.emplace_back(std::string(name), value);
    ++Generation_;
}

int TVarMemory::MatchPrefix(std::string_view text) const {
    int result = -1;
    size_t best = 0;
    for (size_t i = 0; i < Items_.size(); ++i) {
        const std::string& name = Items_[i].Name;
        if (name.size() > best && text.substr(0, name.size()) == name) {
            best = name.size();
            result = static_cast<int>(i);
        }
    }
    return result;
}

}  // namespace zm
