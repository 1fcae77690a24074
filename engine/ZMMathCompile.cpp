// Formula translation: tokens, fix-up, postfix and quadruples.
#include "engine/ZMMath.h"
#include "engine/ZMMathProgram.h"
#include "engine/ZMNumber.h"

namespace zm {

namespace {

bool IsParen(const TExpFactor& t, char c) { return t.Kind == kParenthesis && t.Text.size() == 1 && t.Text[0] == c; }

bool IsNumberChar(char c) { return c == '.' || (c >= '0' && c <= '9'); }

// The length of an exponent at the start of s: "E" or "e", an optional sign and at least
// one digit; 0 when there is none.
size_t ExponentLength(std::string_view s) {
    if (s.empty() || (s[0] != 'E' && s[0] != 'e')) return 0;
    size_t i = 1;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const size_t digits = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    return i > digits ? i : 0;
}

// Digits with at most one ".": such a run converts, with an exponent after it too, unless
// its value overflows.
bool IsNumberShaped(std::string_view run) {
    size_t dots = 0;
    for (char c : run) dots += c == '.';
    return dots <= 1 && run.size() > dots;
}

// Where the dropping rule ends in a run of digits and "." that does not convert: the
// smallest k >= 1 whose rest run.substr(k) converts, or run.size(). Found in one pass so
// that a long run that does not convert costs linear time, not quadratic. With an exponent
// after the run, the first rest of the shape of a number is taken.
size_t FirstConvertingRest(std::string_view run, bool exponentFollows) {
    const size_t n = run.size();
    size_t dots = 0, digits = 0;
    for (char c : run) (c == '.' ? dots : digits) += 1;
    size_t nextDot = 0, nextSig = 0;  // first "." and first non-zero digit at or after k
    for (size_t k = 1; k < n; ++k) {
        (run[k - 1] == '.' ? dots : digits) -= 1;
        if (digits == 0) return n;
        if (dots >= 2) continue;
        if (exponentFollows) return k;
        if (nextDot < k) {
            nextDot = k;
            while (nextDot < n && run[nextDot] != '.') ++nextDot;
        }
        if (nextSig < k) nextSig = k;
        while (nextSig < nextDot && run[nextSig] == '0') ++nextSig;
        // Without an exponent only overflow fails, and the whole-number part decides it.
        const size_t wholeDigits = nextDot - nextSig;
        if (wholeDigits < 309) return k;
        double v = 0;
        if (wholeDigits == 309 && TryStrToFloat(run.substr(nextSig, wholeDigits), v, '.')) return k;
    }
    return n;
}

TExpFactor MakeTemp(int k) {
    TExpFactor t(kVariable, "TempVariable" + std::to_string(k), 0);
    t.IsTemp = true;
    t.TempIndex = k;
    return t;
}

}  // namespace

TExpCal::TExpCal(std::string_view formula, TOperatorLib& operatorLib, TVarMemory& varMemory,
                 TVarMemory& constMemory)
    : Formula(formula), OperatorLib_(&operatorLib), VarMemory_(&varMemory), ConstMemory_(&constMemory) {
    Tokenize();
    FixTokens();
    ToPostfix();
    Compile();
    BuildProgram();
}

TExpCal::~TExpCal() = default;

void TExpCal::Tokenize() {
    Tokens_.Clear();
    NumberFault_ = false;
    auto& out = Tokens_.Items();
    std::string_view s = TrimView(Formula);
    // Inside a run that does not convert, the positions before failUntil are known to fail too.
    size_t runStart = 0, failUntil = 0;
    auto at = [&] { return static_cast<size_t>(s.data() - Formula.data()); };
    while (!s.empty()) {
        int i;
        if (s[0] == '(' || s[0] == ')') {
            out.emplace_back(kParenthesis, std::string(1, s[0]), 0);
            s.remove_prefix(1);
        } else if ((i = OperatorLib_->MatchPrefix(s)) >= 0) {
            const std::string& symbol = OperatorLib_->GetOperator(i)->Symbol;
            out.emplace_back(kOperator, symbol, 0);
            s.remove_prefix(std::min(symbol.size(), s.size()));
        } else if ((i = VarMemory_->MatchPrefix(s)) >= 0) {
            const TVarItem* item = VarMemory_->GetVarItem(i);
            out.emplace_back(kVariable, item->Name, item->Value);
            s.remove_prefix(item->Name.size());
        } else if ((i = ConstMemory_->MatchPrefix(s)) >= 0) {
            const TVarItem* item = ConstMemory_->GetVarItem(i);
            out.emplace_back(kConstant, item->Name, item->Value);
            s.remove_prefix(item->Name.size());
        } else if (at() > runStart && at() < failUntil) {
            s.remove_prefix(1);
        } else {
            size_t n = 0;
            while (n < s.size() && IsNumberChar(s[n])) ++n;
            // An exponent belongs to the number unless a variable or constant name starts at
            // its letter: then the name is read, as it always was.
            const std::string_view after = s.substr(n);
            const size_t e = n > 0 ? ExponentLength(after) : 0;
            const bool exponent = e > 0 && VarMemory_->MatchPrefix(after) < 0 && ConstMemory_->MatchPrefix(after) < 0;
            double v = 0;
            if (exponent && IsNumberShaped(s.substr(0, n))) {
                if (TryStrToFloat(s.substr(0, n + e), v, '.'))
                    out.emplace_back(kNumber, FloatToFormulaText(v), v);
                else
                    NumberFault_ = true;
                s.remove_prefix(n + e);
            } else if (!exponent && n > 0 && TryStrToFloat(s.substr(0, n), v, '.')) {
                out.emplace_back(kNumber, FloatToFormulaText(v), v);
                s.remove_prefix(n);
            } else {
                if (n > 1) {
                    runStart = at();
                    failUntil = runStart + FirstConvertingRest(s.substr(0, n), exponent);
                }
                s.remove_prefix(1);
            }
        }
        s = TrimView(s);
    }
}

void TExpCal::FixTokens() {
    auto& tokens = Tokens_.Items();
    // Unary signs: first "-", then "+".
    for (const auto& [sign, name] : {std::pair<const char*, const char*>{"-", "neg"}, {"+", "pos"}}) {
        for (size_t i = 0; i < tokens.size(); ++i) {
            TExpFactor& t = tokens[i];
            if (t.Kind != kOperator || t.Text != sign) continue;
            if (i == 0 || IsParen(tokens[i - 1], '(') || tokens[i - 1].Kind == kOperator) {
                t.Text = name;
                t.DisplayText = name;
                t.Value = 0;
            }
        }
    }
    // Empty parentheses read as "(0)".
    std::vector<TExpFactor> withZeros;
    withZeros.reserve(tokens.size());
    for (size_t i = 0; i < tokens.size(); ++i) {
        withZeros.push_back(std::move(tokens[i]));
        if (IsParen(withZeros.back(), '(') && i + 1 < tokens.size() && IsParen(tokens[i + 1], ')'))
            withZeros.emplace_back(kNumber, "0", 0);
    }
    // Implicit multiplication between adjacent pairs.
    auto leftClass = [](const TExpFactor& t) -> int {
        if (t.Kind == kVariable) return 0;
        if (t.Kind == kConstant) return 1;
        if (t.Kind == kNumber) return 2;
        if (IsParen(t, ')')) return 3;
        return -1;
    };
    auto rightClass = [this](const TExpFactor& t) -> int {
        if (t.Kind == kVariable) return 0;
        if (t.Kind == kConstant) return 1;
        if (t.Kind == kNumber) return 2;
        if (IsParen(t, '(')) return 3;
        if (t.Kind == kOperator && OperatorLib_->GetOperandCount(t.Text) == 1) return 4;
        return -1;
    };
    static constexpr bool kMultiply[4][5] = {
        {true, false, false, true, true},   // variable
        {true, false, false, true, true},   // constant
        {true, true, false, true, true},    // number
        {true, true, true, true, true},     // ")"
    };
    tokens.clear();
    tokens.reserve(withZeros.size() + withZeros.size() / 2);
    int left = -1;  // class of the previous token as a left neighbour
    for (TExpFactor& t : withZeros) {
        const int right = rightClass(t);
        if (left >= 0 && right >= 0 && kMultiply[left][right]) tokens.emplace_back(kOperator, "*", 0);
        left = leftClass(t);
        tokens.push_back(std::move(t));
    }
}

void TExpCal::ToPostfix() {
    OperatorStack_.Clear();
    Postfix_.Clear();
    PrefixFault_ = false;
    auto& stack = OperatorStack_.Items();
    auto& postfix = Postfix_.Items();
    const auto& tokens = Tokens_.Items();
    postfix.reserve(tokens.size());
    for (size_t i = 0; i < tokens.size(); ++i) {
        const TExpFactor& t = tokens[i];
        if (t.IsOperand()) {
            postfix.push_back(t);
        } else if (IsParen(t, '(')) {
            stack.push_back(t);
        } else if (IsParen(t, ')')) {
            while (!stack.empty() && !IsParen(stack.back(), '(')) {
                postfix.push_back(std::move(stack.back()));
                stack.pop_back();
            }
            if (!stack.empty()) stack.pop_back();
        } else if (t.Kind == kOperator) {
            // A prefix operator may not pull away the operator right before it, which has no
            // operand yet ('x*-1', 'x*sin-1', 'sin cos x').
            if (i > 0 && OperatorLib_->GetOperandCount(t.Text) == 1 && tokens[i - 1].Kind == kOperator &&
                OperatorLib_->ComparePriority(t.Text, tokens[i - 1].Text) <= 0)
                PrefixFault_ = true;
            while (!stack.empty() && !IsParen(stack.back(), '(') &&
                   OperatorLib_->ComparePriority(t.Text, stack.back().Text) <= 0) {
                postfix.push_back(std::move(stack.back()));
                stack.pop_back();
            }
            stack.push_back(t);
        }
    }
    while (!stack.empty()) {
        postfix.push_back(std::move(stack.back()));
        stack.pop_back();
    }
}

void TExpCal::Compile() {
    Valid = 1;
    Quadruples_.Clear();
    Eliminated_.clear();
    Final_.reset();
    auto& quads = Quadruples_.Items();
    const auto& postfix = Postfix_.Items();
    if (PrefixFault_ || NumberFault_) {
        Valid = 0;
        return;
    }
    size_t operators = 1;
    for (const TExpFactor& t : postfix) operators += t.Kind == kOperator;
    quads.reserve(operators * 4);
    int k = 0;
    // Emits a quadruple and gives its result temporary.
    auto emit = [&](const TExpFactor& a, const TExpFactor& b, const TExpFactor& op) {
        ++k;
        TExpFactor temp = MakeTemp(k);
        quads.push_back(temp);
        quads.push_back(a);
        quads.push_back(b);
        quads.push_back(op);
        return temp;
    };
    if (postfix.size() == 1) {
        if (postfix[0].IsOperand())
            emit(postfix[0], postfix[0], TExpFactor(kOperator, "evaluate", 0));
        else
            Valid = 0;
    } else {
        // The list before the first unprocessed operator behaves as a stack.
        std::vector<TExpFactor> stack;
        stack.reserve(postfix.size());
        for (const TExpFactor& t : postfix) {
            const int n = t.Kind == kOperator ? OperatorLib_->GetOperandCount(t.Text) : 0;
            if (n == 2) {
                const size_t c = stack.size();
                if (c < 2 || !stack[c - 2].IsOperand() || !stack[c - 1].IsOperand()) {
                    Valid = 0;
                    break;
                }
                TExpFactor temp = emit(stack[c - 2], stack[c - 1], t);
                stack.resize(c - 2);
                stack.push_back(std::move(temp));
            } else if (n == 1) {
                if (stack.empty() || !stack.back().IsOperand()) {
                    Valid = 0;
                    break;
                }
                stack.back() = emit(stack.back(), stack.back(), t);
            } else {
                stack.push_back(t);
            }
        }
    }
    Eliminated_.assign(static_cast<size_t>(k), false);
}

}  // namespace zm
