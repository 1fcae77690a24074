// Derivative texts and the simplifier.
#include "engine/ZMMath.h"
#include "engine/ZMMathProgram.h"
#include "engine/ZMNumber.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <initializer_list>

namespace zm {

namespace {

constexpr std::string_view kTempNull = "TempVariableNull";

bool IsNumberOrConstant(const TExpFactor& t) { return !t.IsTemp && (t.Kind == kNumber || t.Kind == kConstant); }

// The shortest positional text that reads back as exactly v.
std::string ExactText(double v) {
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return std::string(buf, res.ptr);
}

bool IsNegativeNumber(const TExpFactor& t) {
    return !t.IsTemp && t.Kind == kNumber && !t.Text.empty() && t.Text[0] == '-';
}

std::string_view OperatorDisplay(const TExpFactor& op) {
    if (op.Text == "neg") return "-";
    if (op.Text == "pos") return "+";
    return op.Text;
}

bool IsWordOperator(const TExpFactor& op) { return op.Text == "and" || op.Text == "or" || op.Text == "xor"; }

// Derivative texts grow with the square of a product's or a chain's length; beyond
// this size a formula counts as not derivable. Everyday formulas stay below a few
// thousand characters; a text of this size compiles and simplifies in well under a second.
constexpr size_t kMaxDerivativeText = 250'000;

// Derivative rules as templates: $u and $v stand for the operands' texts, $U and
// $V for their derivatives, $o for the operator, $g for the first operand glued
// to the function name in front of it.
struct TRule {
    std::string_view Text;
    bool Derivable;
};

TRule RuleOf(TOpCode op) {
    switch (op) {
        case TOpCode::Evaluate: return {"($V)", true};
        case TOpCode::Add:
        case TOpCode::Sub: return {"($U$o$V)", true};
        case TOpCode::Div: return {"(($U*$v-$u*$V)/($v)^2)", true};
        case TOpCode::Pow: return {"(($v*$u^($v-1))*$U)", true};
        case TOpCode::Neg: return {"(-$U)", true};
        case TOpCode::Pos: return {"(+$U)", true};
        case TOpCode::Sin: return {"((cos$g)*$U)", true};
        case TOpCode::Cos: return {"(-(sin$g)*$U)", true};
        case TOpCode::Tan: return {"(1/(cos$g)^2*$U)", true};
        case TOpCode::Cot: return {"(-1/(sin$g)^2*$U)", true};
        case TOpCode::ArcSin: return {"(1/sqrt(1-$u^2)*$U)", true};
        case TOpCode::ArcCos: return {"(-1/sqrt(1-$u^2)*$U)", true};
        case TOpCode::ArcTan: return {"(1/(1+$u^2)*$U)", true};
        case TOpCode::ArcCot: return {"(-1/(1+$u^2)*$U)", true};
        case TOpCode::Sqrt: return {"(1/(2*sqrt$g)*$U)", true};
        case TOpCode::Sqr: return {"((2*$u)*$U)", true};
        case TOpCode::Ln: return {"(1/($u)*$U)", true};
        case TOpCode::Log10: return {"(1/(ln10*$u)*$U)", true};
        case TOpCode::Log2: return {"(1/(ln2*$u)*$U)", true};
        case TOpCode::Exp: return {"((exp$g)*$U)", true};
        case TOpCode::Sinh: return {"((cosh$g)*$U)", true};
        case TOpCode::Cosh: return {"((sinh$g)*$U)", true};
        case TOpCode::Tanh: return {"(1/(cosh$g^2)*$U)", true};
        case TOpCode::ArcSinh: return {"(1/sqrt(1+sqr$g)*$U)", true};
        case TOpCode::ArcCosh: return {"(1/sqrt(sqr$g-1)*$U)", true};
        case TOpCode::ArcTanh: return {"(1/(1-$u^2)*$U)", true};
        case TOpCode::Ge:
        case TOpCode::Le:
        case TOpCode::Ne:
        case TOpCode::Eq:
        case TOpCode::Lt:
        case TOpCode::Gt:
        case TOpCode::And:
        case TOpCode::Or:
        case TOpCode::Xor: return {"($U $o $V)", false};
        default: return {"($o($U))", false};  // abs, int, round, frac, sign, coth, arccoth, random, not
    }
}

// Writes infix and derivative texts with an explicit stack, so that neither the
// depth nor the length of a formula is limited by the call stack. A temporary is
// expanded only when it names an earlier quadruple, which also rules out cycles.
class TTextWriter {
public:
    TTextWriter(const std::vector<TExpFactor>& quads, const TOperatorLib& ops, std::string_view diffVariable,
                const std::vector<uint8_t>* dependsOnVariable)
        : Quads_(quads), Ops_(ops), DiffVariable_(diffVariable), DependsOnVariable_(dependsOnVariable) {}

    std::string Infix(const TExpFactor& root) {
        Stack_.push_back({TKind::Display, false, {}, &root, Count() + 1});
        return Run();
    }

    std::string Derive(const TExpFactor& root) {
        Stack_.push_back({TKind::Derive, false, {}, &root, Count() + 1});
        std::string text = Run(kMaxDerivativeText);
        if (text.size() > kMaxDerivativeText) {
            Derivable_ = false;
            text.clear();
        }
        return text;
    }

    bool Derivable() const { return Derivable_; }

private:
    enum class TKind : uint8_t { Literal, Display, Derive };
    struct TPiece {
        TKind Kind;
        bool Wrap;              // a negative number is put in parentheses
        std::string_view Text;  // literal text
        const TExpFactor* Token;
        int Limit;              // a temporary below this quadruple number may be expanded
    };

    int Count() const { return static_cast<int>(Quads_.size() / 4); }

    bool Expandable(const TExpFactor& t, int limit) const {
        return t.IsTemp && t.TempIndex >= 1 && t.TempIndex < limit && t.TempIndex <= Count();
    }

    const TExpFactor& Q(int k, int i) const { return Quads_[static_cast<size_t>(k - 1) * 4 + static_cast<size_t>(i)]; }

    static TPiece Lit(std::string_view s) { return {TKind::Literal, false, s, nullptr, 0}; }
    static TPiece Disp(const TExpFactor& t, bool wrap, int limit) { return {TKind::Display, wrap, {}, &t, limit}; }
    static TPiece Der(const TExpFactor& t, int limit) { return {TKind::Derive, false, {}, &t, limit}; }

    void Push(std::initializer_list<TPiece> pieces) {
        for (auto it = pieces.end(); it != pieces.begin();) Stack_.push_back(*--it);
    }

    void PushReversed(const std::vector<TPiece>& pieces) {
        for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) Stack_.push_back(*it);
    }

    std::string Run(size_t maxSize = std::string::npos) {
        std::string out;
        while (!Stack_.empty() && out.size() <= maxSize) {
            const TPiece p = Stack_.back();
            Stack_.pop_back();
            switch (p.Kind) {
                case TKind::Literal: out += p.Text; break;
                case TKind::Display: Display(p, out); break;
                case TKind::Derive: Derive(p, out); break;
            }
        }
        Stack_.clear();
        return out;
    }

    void Display(const TPiece& p, std::string& out) {
        const TExpFactor& t = *p.Token;
        if (!Expandable(t, p.Limit)) {
            if (p.Wrap && IsNegativeNumber(t)) {
                out += '(';
                out += t.Text;
                out += ')';
            } else {
                out += t.Text;
            }
            return;
        }
        const int k = t.TempIndex;
        const TExpFactor& a = Q(k, 1);
        const TExpFactor& b = Q(k, 2);
        const TExpFactor& op = Q(k, 3);
        const int n = Ops_.GetOperandCount(op.Text);  // 0 for "evaluate"
        if (n == 1) {
            Push({Lit("("), Lit(OperatorDisplay(op)), Lit("("), Disp(a, false, k), Lit("))")});
        } else if (n == 2) {
            const bool power = op.Text == "^";
            const bool second = power || op.Text == "*" || op.Text == "/";
            // A word operator next to a bare name or number gets a blank on that side, or
            // 'x or 2' would read back as 'xor2'.
            const bool word = IsWordOperator(op);
            const bool bareLeft = word && !Expandable(a, k) && !(power && IsNegativeNumber(a));
            const bool bareRight = word && !Expandable(b, k) && !(second && IsNegativeNumber(b));
            Push({Lit("("), Disp(a, power, k), Lit(bareLeft ? " " : ""), Lit(OperatorDisplay(op)),
                  Lit(bareRight ? " " : ""), Disp(b, second, k), Lit(")")});
        } else {
            Push({Lit("("), Disp(a, false, k), Lit(")")});
        }
    }

    bool DependsOnVariable(const TExpFactor& t, int limit) const {
        if (Expandable(t, limit))
            return DependsOnVariable_ && (*DependsOnVariable_)[static_cast<size_t>(t.TempIndex)] != 0;
        return IsDiffVariable(t);
    }

    bool IsDiffVariable(const TExpFactor& t) const { return t.Kind == kVariable && t.Text == DiffVariable_; }

    void Derive(const TPiece& p, std::string& out) {
        const TExpFactor& t = *p.Token;
        if (!Expandable(t, p.Limit)) {
            out += IsDiffVariable(t) ? '1' : '0';
            return;
        }
        const int k = t.TempIndex;
        const TExpFactor& a = Q(k, 1);
        const TExpFactor& b = Q(k, 2);
        const TExpFactor& op = Q(k, 3);
        const TOpCode code = OpCodeOf(Ops_, op.Text);
        TRule rule{};
        if (code == TOpCode::Mul) {
            const bool constantFactor = IsNumberOrConstant(a);
            const bool timesVariable = constantFactor && !b.IsTemp && IsDiffVariable(b);
            rule = {timesVariable ? "($u)" : constantFactor ? "($u*$V)" : "($U*$v+$u*$V)", true};
        } else {
            rule = RuleOf(code);
            // The rule treats the exponent as a constant.
            if (code == TOpCode::Pow && DependsOnVariable(b, k)) rule.Derivable = false;
        }
        if (!rule.Derivable) Derivable_ = false;

        Scratch_.clear();
        const std::string_view s = rule.Text;
        size_t literal = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i] != '$' || i + 1 >= s.size()) continue;
            const std::string_view before = s.substr(literal, i - literal);
            if (!before.empty()) Scratch_.push_back(Lit(before));
            switch (s[i + 1]) {
                case 'u': Scratch_.push_back(Disp(a, true, k)); break;
                case 'v': Scratch_.push_back(Disp(b, true, k)); break;
                case 'U': Scratch_.push_back(Der(a, k)); break;
                case 'V': Scratch_.push_back(Der(b, k)); break;
                case 'o': Scratch_.push_back(Lit(OperatorDisplay(op))); break;
                case 'g': Glued(before, a, k); break;
                default: break;
            }
            ++i;
            literal = i + 1;
        }
        if (literal < s.size()) Scratch_.push_back(Lit(s.substr(literal)));
        PushReversed(Scratch_);
    }

    // A name or number right after a function name, unless together they would
    // read as a longer operator ("sqr" + "t", "sin" + "h"): then in parentheses.
    void Glued(std::string_view before, const TExpFactor& a, int limit) {
        if (Expandable(a, limit) || IsNegativeNumber(a)) {
            Scratch_.push_back(Disp(a, true, limit));
            return;
        }
        size_t start = before.size();
        while (start > 0 && std::isalpha(static_cast<unsigned char>(before[start - 1]))) --start;
        const std::string_view name = before.substr(start);
        const std::string joined = std::string(name) + a.Text;
        const int row = Ops_.MatchPrefix(joined);
        if (row >= 0 && Ops_.GetOperator(row)->Symbol.size() > name.size()) {
            Scratch_.push_back(Lit("("));
            Scratch_.push_back(Lit(a.Text));
            Scratch_.push_back(Lit(")"));
        } else {
            Scratch_.push_back(Lit(a.Text));
        }
    }

    const std::vector<TExpFactor>& Quads_;
    const TOperatorLib& Ops_;
    std::string_view DiffVariable_;
    const std::vector<uint8_t>* DependsOnVariable_;
    std::vector<TPiece> Stack_;
    std::vector<TPiece> Scratch_;
    bool Derivable_ = true;
};

}  // namespace

std::string TExpCal::InfixText(int k) const {
    if (k < 1 || k > QuadrupleCount()) return {};
    return BuildInfix(Quadruples_.Items()[static_cast<size_t>(k - 1) * 4]);
}

// Operand and operator tokens get their display texts here; the text of a
// temporary is written on demand (BuildInfix), as a stored copy per temporary
// would grow with the square of the formula's length.
void TExpCal::BuildDisplayTexts() {
    for (TExpFactor& t : Quadruples_.Items()) {
        t.DisplayText = t.Text;
        if (t.Kind == kOperator) t.DisplayText = std::string(OperatorDisplay(t));
    }
}

std::string TExpCal::BuildInfix(const TExpFactor& root) const {
    TTextWriter writer(Quadruples_.Items(), *OperatorLib_, DiffVariable, nullptr);
    return writer.Infix(root);
}

std::string TExpCal::DeriveAt(const TExpFactor& root) {
    // Which temporaries depend on the variable of differentiation.
    const auto& q = Quadruples_.Items();
    const int n = QuadrupleCount();
    std::vector<uint8_t> depends(static_cast<size_t>(n) + 1, 0);
    auto dependsOf = [&](const TExpFactor& t, int k) -> uint8_t {
        if (t.IsTemp && t.TempIndex >= 1 && t.TempIndex < k) return depends[static_cast<size_t>(t.TempIndex)];
        return t.Kind == kVariable && t.Text == DiffVariable ? 1 : 0;
    };
    for (int k = 1; k <= n; ++k) {
        const size_t base = static_cast<size_t>(k - 1) * 4;
        depends[static_cast<size_t>(k)] = dependsOf(q[base + 1], k) | dependsOf(q[base + 2], k);
    }
    TTextWriter writer(q, *OperatorLib_, DiffVariable, &depends);
    std::string text = writer.Derive(root);
    if (!writer.Derivable()) Derivable = 0;
    return text;
}

void TExpCal::ReplaceTemp(int tempIndex, const TExpFactor& by) {
    const int n = QuadrupleCount();
    if (tempIndex < 1 || tempIndex > n) return;
    auto& q = Quadruples_.Items();
    const TExpFactor replacement = by;  // by may live in the list
    auto names = [tempIndex](const TExpFactor& t) { return t.IsTemp && t.TempIndex == tempIndex; };
    auto replaceAt = [&](size_t pos) {
        if (!names(q[pos])) return;
        q[pos] = replacement;
        if (replacement.IsTemp && static_cast<size_t>(replacement.TempIndex) < Uses_.size())
            Uses_[static_cast<size_t>(replacement.TempIndex)].push_back(static_cast<int>(pos));
    };
    // Simplify keeps, per temporary, the operand positions that name it.
    const std::vector<int> uses = std::move(Uses_[static_cast<size_t>(tempIndex)]);
    Uses_[static_cast<size_t>(tempIndex)].clear();
    for (int pos : uses) replaceAt(static_cast<size_t>(pos));
    if (Final_ && names(*Final_)) *Final_ = replacement;
    TExpFactor& result = q[static_cast<size_t>(tempIndex - 1) * 4];
    result.Text = std::string(kTempNull);
    result.DisplayText = result.Text;
    Eliminated_[static_cast<size_t>(tempIndex - 1)] = true;
    if (tempIndex == n) Final_ = std::make_unique<TExpFactor>(replacement);
}

uint8_t TExpCal::Derivative() {
    if (!Valid) return 0;
    Derivable = 1;
    const int n = QuadrupleCount();
    const TExpFactor* root = nullptr;
    if (IsLive(n))
        root = &Quadruples_.Items()[static_cast<size_t>(n - 1) * 4];
    else if (n > 0)
        root = Final_.get();
    if (!root) {
        DerivativeText.clear();
        Derivable = 0;
        return 0;
    }
    BuildDisplayTexts();
    std::string text = DeriveAt(*root);
    if (!root->IsTemp) text = "(" + text + ")";
    DerivativeText = text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
    return Derivable;
}

bool TExpCal::Simplify() {
    if (!Valid) {
        Simplified = Trim(Formula);
        return true;
    }
    const int n = QuadrupleCount();
    auto& q = Quadruples_.Items();
    Uses_.assign(static_cast<size_t>(n) + 1, {});
    for (int k = 1; k <= n; ++k) {
        if (!IsLive(k)) continue;
        for (size_t pos = static_cast<size_t>(k - 1) * 4 + 1, end = pos + 2; pos < end; ++pos)
            if (q[pos].IsTemp && q[pos].TempIndex >= 1 && q[pos].TempIndex < k)
                Uses_[static_cast<size_t>(q[pos].TempIndex)].push_back(static_cast<int>(pos));
    }

    // A number folds as it is written (15 digits); a constant with the exact value it had
    // when the formula was compiled.
    auto numberText = [](const TExpFactor& t) { return t.Kind == kNumber ? t.Text : ExactText(t.Value); };
    auto fold = [&](const std::string& text, double& value) {
        TExpCal nested(text, *OperatorLib_, *VarMemory_, *ConstMemory_);
        if (!nested.Valid || !nested.Calculate()) return false;
        value = nested.Value;
        return true;
    };

    bool changed = true;
    while (changed) {
        changed = false;
        for (int k = 1; k <= n; ++k) {
            if (!IsLive(k)) continue;
            const size_t base = static_cast<size_t>(k - 1) * 4;
            TExpFactor& a = q[base + 1];
            TExpFactor& b = q[base + 2];
            TExpFactor& op = q[base + 3];
            const int count = OperatorLib_->GetOperandCount(op.Text);  // 0 for "evaluate"
            const bool ca = IsNumberOrConstant(a);
            const bool cb = IsNumberOrConstant(b);
            const TExpFactor* by = nullptr;
            bool rewritten = false;
            if (op.Text == "+") {
                if (ca && a.Value == 0) by = &b;
                else if (cb && b.Value == 0) by = &a;
            } else if (op.Text == "-") {
                if (cb && b.Value == 0) {
                    by = &a;
                } else if (ca && a.Value == 0) {
                    // 0-B reads as -B; not a change, and it leaves nothing to fold here.
                    a = b;
                    if (a.IsTemp && static_cast<size_t>(a.TempIndex) < Uses_.size())
                        Uses_[static_cast<size_t>(a.TempIndex)].push_back(static_cast<int>(base + 1));
                    op.Text = "neg";
                    op.DisplayText = "-";
                    rewritten = true;
                }
            } else if (op.Text == "*") {
                if (ca && a.Value == 1) by = &b;
                else if (cb && b.Value == 1) by = &a;
                else if (ca && a.Value == 0) by = &a;
                else if (cb && b.Value == 0) by = &b;
            } else if (op.Text == "/") {
                if (ca && a.Value == 0) by = &a;
            } else if (op.Text == "^") {
                if (cb && b.Value == 1) {
                    by = &a;
                } else if (cb && b.Value == 0) {
                    b = TExpFactor(kNumber, "1", 1);
                    by = &b;
                }
            }
            if (!by && !rewritten) {
                std::string text;
                if (count == 1 && ca && std::isfinite(a.Value))
                    text = op.Text + "(" + numberText(a) + ")";
                else if (count == 2 && ca && cb && std::isfinite(a.Value) && std::isfinite(b.Value))
                    text = "(" + numberText(a) + ")" + op.Text + "(" + numberText(b) + ")";
                double value = 0;
                if (!text.empty() && fold(text, value)) {
                    a = TExpFactor(kNumber, FloatToFormulaText(value), value);
                    by = &a;
                }
            }
            if (by) {
                ReplaceTemp(k, *by);
                changed = true;
            }
        }
    }
    Uses_.clear();
    Uses_.shrink_to_fit();

    BuildDisplayTexts();
    std::string text = "0";
    if (IsLive(n))
        text = BuildInfix(q[static_cast<size_t>(n - 1) * 4]);
    else if (n > 0 && Final_)
        text = BuildInfix(*Final_);
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') text = text.substr(1, text.size() - 2);
    Simplified = TrimView(text).empty() ? std::string("0") : text;
    BuildProgram();
    return true;
}

TDerivativeOutcome ShorterDerivativeText(std::string_view formula, std::string_view diffVariable,
                                         TOperatorLib& operatorLib, TVarMemory& varMemory,
                                         TVarMemory& constMemory, std::string& text) {
    TExpCal f(formula, operatorLib, varMemory, constMemory);
    if (!f.Valid || TrimView(formula).empty()) return TDerivativeOutcome::Invalid;
    f.DiffVariable = std::string(diffVariable);
    if (f.Derivative() == 0) return TDerivativeOutcome::NotDerivable;
    TExpCal simplified(f.DerivativeText, operatorLib, varMemory, constMemory);
    simplified.Simplify();
    text = f.DerivativeText.size() < simplified.Simplified.size() ? f.DerivativeText : simplified.Simplified;
    return TDerivativeOutcome::Ok;
}

}  // namespace zm
