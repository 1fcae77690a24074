// Evaluation: the quadruples as a flat register program.
#include "engine/ZMMath.h"
#include "engine/ZMMathProgram.h"
#include "engine/ZMNumber.h"

#include <cmath>
#include <numbers>

namespace zm {

namespace {

constexpr std::string_view kOpNames[] = {
    "sin", "cos", "neg", "pos", "tan", "cot", "arcsin", "arccos", "arctan", "arccot", "abs", "sqrt",
    "sqr", "ln", "log10", "log2", "exp", "int", "round", "frac", "sign", "sinh", "cosh", "tanh", "coth",
    "arcsinh", "arccosh", "arctanh", "arccoth", "random", "^", "*", "/", "+", "-", ">=", "<=", "<>",
    "=", "<", ">", "not", "and", "or", "xor", "evaluate",
};

double RoundHalfEven(double a) {
    const double t = std::trunc(a);
    const double f = a - t;
    if (f == 0.5 || f == -0.5) return std::fmod(t, 2.0) == 0 ? t : t + (a > 0 ? 1 : -1);
    return std::round(a);
}

double ArcCotPositive(double a) { return a <= 1e-16 ? std::numbers::pi / 2 : std::atan(1 / a); }

double PowerBySquaring(double base, uint64_t n) {
    double r = 1;
    while (n) {
        if (n & 1) r *= base;
        n >>= 1;
        if (n) base *= base;
    }
    return r;
}

// One operation; false on a domain failure. Non-finite results are caught by the caller.
inline bool Apply(TOpCode op, double a, double b, double& r, TOperatorLib& lib) {
    switch (op) {
        case TOpCode::Evaluate:
        case TOpCode::Pos: r = a; return true;
        case TOpCode::Neg: r = -a; return true;
        case TOpCode::Sin: r = std::sin(a); return true;
        case TOpCode::Cos: r = std::cos(a); return true;
        case TOpCode::Tan: r = std::tan(a); return true;
        case TOpCode::Cot:
            if (a == 0) return false;
            r = 1 / std::tan(a);
            return true;
        case TOpCode::ArcSin:
            if (a < -1 || a > 1) return false;
            r = std::asin(a);
            return true;
        case TOpCode::ArcCos:
            if (a < -1 || a > 1) return false;
            r = std::acos(a);
            return true;
        case TOpCode::ArcTan: r = std::atan(a); return true;
        case TOpCode::ArcCot: r = a >= 0 ? ArcCotPositive(a) : std::numbers::pi - ArcCotPositive(-a); return true;
        case TOpCode::Abs: r = std::fabs(a); return true;
        case TOpCode::Sqrt:
            if (a < 0) return false;
            r = std::sqrt(a);
            return true;
        case TOpCode::Sqr: r = a * a; return true;
        case TOpCode::Ln:
            if (a <= 0) return false;
            r = std::log(a);
            return true;
        case TOpCode::Log10:
            if (a <= 0) return false;
            r = std::log10(a);
            return true;
        case TOpCode::Log2:
            if (a <= 0) return false;
            r = std::log2(a);
            return true;
        case TOpCode::Exp: r = std::exp(a); return true;
        case TOpCode::Int: r = std::trunc(a); return true;
        case TOpCode::Round:
            if (!(std::fabs(a) < 9223372036854775808.0)) return false;  // must fit 64 bits
            r = RoundHalfEven(a);
            return true;
        case TOpCode::Frac: r = a - std::trunc(a); return true;
        case TOpCode::Sign: r = a > 0 ? 1 : (a < 0 ? -1 : 0); return true;
        case TOpCode::Sinh: r = std::sinh(a); return true;
        case TOpCode::Cosh: r = std::cosh(a); return true;
        case TOpCode::Tanh: r = std::tanh(a); return true;
        case TOpCode::Coth:
            if (a == 0) return false;
            r = 1 / std::tanh(a);
            return true;
        case TOpCode::ArcSinh: r = std::asinh(a); return true;
        case TOpCode::ArcCosh:
            if (a < 1) return false;
            r = std::acosh(a);
            return true;
        case TOpCode::ArcTanh:
            if (a <= -1 || a >= 1) return false;
            r = std::atanh(a);
            return true;
        case TOpCode::ArcCoth:
            if (a >= -1 && a <= 1) return false;
            r = std::atanh(1 / a);
            return true;
        case TOpCode::Random: {
            if (!std::isfinite(a)) return false;
            int32_t n = 0;
            if (!TryRoundToInt32(a, n)) n = TruncSat(a);
            r = lib.RandomBelow(n);
            return true;
        }
        case TOpCode::Pow:
            if (b == 0) {
                r = 1;
            } else if (a == 0) {
                if (b < 0) return false;
                r = 0;
            } else if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0) {
                r = PowerBySquaring(a, static_cast<uint64_t>(std::fabs(b)));
                if (b < 0) r = 1 / r;
            } else {
                if (a < 0) return false;
                r = std::pow(a, b);
            }
            return true;
        case TOpCode::Mul: r = a * b; return true;
        case TOpCode::Div:
            if (b == 0) return false;
            r = a / b;
            return true;
        case TOpCode::Add: r = a + b; return true;
        case TOpCode::Sub: r = a - b; return true;
        case TOpCode::Ge: r = a >= b; return true;
        case TOpCode::Le: r = a <= b; return true;
        case TOpCode::Ne: r = a != b; return true;
        case TOpCode::Eq: r = a == b; return true;
        case TOpCode::Lt: r = a < b; return true;
        case TOpCode::Gt: r = a > b; return true;
        case TOpCode::Not: r = a == 0; return true;
        case TOpCode::And: r = a != 0 && b != 0; return true;
        case TOpCode::Or: r = a != 0 || b != 0; return true;
        case TOpCode::Xor: r = (a != 0) != (b != 0); return true;
        case TOpCode::Unknown: r = 0; return true;
    }
    r = 0;
    return true;
}

}  // namespace

TOpCode OpCodeOf(std::string_view operatorText) {
    for (size_t i = 0; i < std::size(kOpNames); ++i)
        if (kOpNames[i] == operatorText) return static_cast<TOpCode>(i);
    return TOpCode::Unknown;
}

bool TExpCal::IsLive(int k) const {
    return k >= 1 && static_cast<size_t>(k) <= Eliminated_.size() && !Eliminated_[static_cast<size_t>(k - 1)];
}

void TExpCal::BuildProgram() {
    Program_ = std::make_unique<Program>();
    Program& p = *Program_;
    const int n = QuadrupleCount();
    if (!Valid || n == 0) return;
    const auto& q = Quadruples_.Items();

    // Registers: constants first (their values are fixed), then variables, then temporaries.
    std::vector<double> constants;
    auto constReg = [&](double v) {
        constants.push_back(v);
        return static_cast<uint32_t>(constants.size() - 1);
    };
    struct Ref { int kind; uint32_t index; };  // 0 constant, 1 variable, 2 temporary
    auto refOf = [&](const TExpFactor& t) -> Ref {
        if (t.IsTemp) return {2, static_cast<uint32_t>(t.TempIndex - 1)};
        if (t.Kind == kVariable) {
            for (size_t i = 0; i < p.VarNames.size(); ++i)
                if (p.VarNames[i] == t.Text) return {1, static_cast<uint32_t>(i)};
            p.VarNames.push_back(t.Text);
            return {1, static_cast<uint32_t>(p.VarNames.size() - 1)};
        }
        return {0, constReg(t.Value)};
    };
    struct Pending { TOpCode op; uint32_t dst; Ref a, b; };
    std::vector<Pending> pending;
    for (int k = 1; k <= n; ++k) {
        if (!IsLive(k)) continue;
        const size_t base = static_cast<size_t>(k - 1) * 4;
        pending.push_back({OpCodeOf(q[base + 3].Text), static_cast<uint32_t>(k - 1), refOf(q[base + 1]),
                           refOf(q[base + 2])});
    }
    Ref result{};
    if (IsLive(n))
        result = {2, static_cast<uint32_t>(n - 1)};
    else if (Final_)
        result = refOf(*Final_);
    else
        return;

    p.VarBase = static_cast<uint32_t>(constants.size());
    const uint32_t tempBase = p.VarBase + static_cast<uint32_t>(p.VarNames.size());
    auto reg = [&](Ref r) {
        return r.kind == 0 ? r.index : (r.kind == 1 ? p.VarBase + r.index : tempBase + r.index);
    };
    p.Regs = constants;
    p.Regs.resize(tempBase + static_cast<size_t>(n), 0.0);
    p.VarSlots.assign(p.VarNames.size(), -1);
    p.Code.reserve(pending.size());
    for (const auto& e : pending) p.Code.push_back({e.op, tempBase + e.dst, reg(e.a), reg(e.b)});
    p.Result = reg(result);
    p.HasResult = true;
}

void TExpCal::ResolveSlots() {
    Program& p = *Program_;
    for (size_t i = 0; i < p.VarNames.size(); ++i) p.VarSlots[i] = VarMemory_->IndexOf(p.VarNames[i]);
    p.Generation = VarMemory_->Generation();
    p.Resolved = true;
}

bool TExpCal::Calculate() {
    Program& p = *Program_;
    if (!Valid || !p.HasResult) {
        Value = 0;
        return false;
    }
    if (!p.Resolved || p.Generation != VarMemory_->Generation()) ResolveSlots();
    double* regs = p.Regs.data();
    for (size_t i = 0; i < p.VarSlots.size(); ++i) {
        const int slot = p.VarSlots[i];
        regs[p.VarBase + i] = slot >= 0 ? VarMemory_->ValueAt(slot) : 0.0;
    }
    TOperatorLib& lib = *OperatorLib_;
    for (const Program::Instr& in : p.Code) {
        double r;
        if (!Apply(in.Op, regs[in.A], regs[in.B], r, lib) || !std::isfinite(r)) {
            Value = 0;
            return false;
        }
        regs[in.Dst] = r;
    }
    const double v = regs[p.Result];
    if (!std::isfinite(v)) {
        Value = 0;
        return false;
    }
    Value = v;
    return true;
}

}  // namespace zm
