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
    for (const auto& e : pending) {
        Program::Instr in{e.op, tempBase + e.dst, reg(e.a), reg(e.b)};
        if (e.op == TOpCode::Pow && e.b.kind == 0) {
            const double b = constants[e.b.index];
            if (b == 0) {
                in.Op = TOpCode::PowOne;
            } else if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0) {
                const auto count = static_cast<uint32_t>(std::fabs(b));
                in.Op = b < 0 ? TOpCode::PowWholeInv
                        : (count == 2 ? TOpCode::PowSquare : count == 3 ? TOpCode::PowCube : TOpCode::PowWhole);
                in.B = count;
            }
        }
        p.Code.push_back(in);
    }
    for (double v : constants)
        if (!std::isfinite(v)) p.ConstantFault = true;
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
    if (!Valid || !p.HasResult || p.ConstantFault) {
        Value = 0;
        return false;
    }
    if (!p.Resolved || p.Generation != VarMemory_->Generation()) ResolveSlots();
    double* const regs = p.Regs.data();
    for (size_t i = 0; i < p.VarSlots.size(); ++i) {
        const int slot = p.VarSlots[i];
        const double v = slot >= 0 ? VarMemory_->ValueAt(slot) : 0.0;
        if (!std::isfinite(v)) {
            Value = 0;
            return false;
        }
        regs[p.VarBase + i] = v;
    }
    // Operands are finite here; only the operations that can leave the finite
    // numbers check their result.
    for (const Program::Instr& in : p.Code) {
        const double a = regs[in.A];
        double r;
        switch (in.Op) {
            case TOpCode::Evaluate:
            case TOpCode::Pos: r = a; break;
            case TOpCode::Neg: r = -a; break;
            case TOpCode::Sin: r = std::sin(a); break;
            case TOpCode::Cos: r = std::cos(a); break;
            case TOpCode::Tan: r = std::tan(a); goto check;
            case TOpCode::Cot:
                if (a == 0) goto fail;
                r = 1 / std::tan(a);
                goto check;
            case TOpCode::ArcSin:
                if (a < -1 || a > 1) goto fail;
                r = std::asin(a);
                break;
            case TOpCode::ArcCos:
                if (a < -1 || a > 1) goto fail;
                r = std::acos(a);
                break;
            case TOpCode::ArcTan: r = std::atan(a); break;
            case TOpCode::ArcCot: r = a >= 0 ? ArcCotPositive(a) : std::numbers::pi - ArcCotPositive(-a); break;
            case TOpCode::Abs: r = std::fabs(a); break;
            case TOpCode::Sqrt:
                if (a < 0) goto fail;
                r = std::sqrt(a);
                break;
            case TOpCode::Sqr: r = a * a; goto check;
            case TOpCode::Ln:
                if (a <= 0) goto fail;
                r = std::log(a);
                break;
            case TOpCode::Log10:
                if (a <= 0) goto fail;
                r = std::log10(a);
                break;
            case TOpCode::Log2:
                if (a <= 0) goto fail;
                r = std::log2(a);
                break;
            case TOpCode::Exp: r = std::exp(a); goto check;
            case TOpCode::Int: r = std::trunc(a); break;
            case TOpCode::Round:
                if (!(std::fabs(a) < 9223372036854775808.0)) goto fail;  // must fit 64 bits
                r = RoundHalfEven(a);
                break;
            case TOpCode::Frac: r = a - std::trunc(a); break;
            case TOpCode::Sign: r = a > 0 ? 1 : (a < 0 ? -1 : 0); break;
            case TOpCode::Sinh: r = std::sinh(a); goto check;
            case TOpCode::Cosh: r = std::cosh(a); goto check;
            case TOpCode::Tanh: r = std::tanh(a); break;
            case TOpCode::Coth:
                if (a == 0) goto fail;
                r = 1 / std::tanh(a);
                goto check;
            case TOpCode::ArcSinh: r = std::asinh(a); break;
            case TOpCode::ArcCosh:
                if (a < 1) goto fail;
                r = std::acosh(a);
                break;
            case TOpCode::ArcTanh:
                if (a <= -1 || a >= 1) goto fail;
                r = std::atanh(a);
                goto check;
            case TOpCode::ArcCoth:
                if (a >= -1 && a <= 1) goto fail;
                r = std::atanh(1 / a);
                goto check;
            case TOpCode::Random: {
                int32_t n = 0;
                if (!TryRoundToInt32(a, n)) n = TruncSat(a);
                r = OperatorLib_->RandomBelow(n);
                break;
            }
            case TOpCode::Pow: {
                const double b = regs[in.B];
                if (b == 0) {
                    r = 1;
                } else if (a == 0) {
                    if (b < 0) goto fail;
                    r = 0;
                } else if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0) {
                    r = PowerBySquaring(a, static_cast<uint64_t>(std::fabs(b)));
                    if (b < 0) r = 1 / r;
                } else {
                    if (a < 0) goto fail;
                    r = std::pow(a, b);
                }
                goto check;
            }
            case TOpCode::PowOne: r = 1; break;
            case TOpCode::PowSquare: r = a * a; goto check;
            case TOpCode::PowCube: r = a * (a * a); goto check;
            case TOpCode::PowWhole: r = PowerBySquaring(a, in.B); goto check;
            case TOpCode::PowWholeInv:
                if (a == 0) goto fail;
                r = 1 / PowerBySquaring(a, in.B);
                goto check;
            case TOpCode::Mul: r = a * regs[in.B]; goto check;
            case TOpCode::Div: {
                const double b = regs[in.B];
                if (b == 0) goto fail;
                r = a / b;
                goto check;
            }
            case TOpCode::Add: r = a + regs[in.B]; goto check;
            case TOpCode::Sub: r = a - regs[in.B]; goto check;
            case TOpCode::Ge: r = a >= regs[in.B]; break;
            case TOpCode::Le: r = a <= regs[in.B]; break;
            case TOpCode::Ne: r = a != regs[in.B]; break;
            case TOpCode::Eq: r = a == regs[in.B]; break;
            case TOpCode::Lt: r = a < regs[in.B]; break;
            case TOpCode::Gt: r = a > regs[in.B]; break;
            case TOpCode::Not: r = a == 0; break;
            case TOpCode::And: r = a != 0 && regs[in.B] != 0; break;
            case TOpCode::Or: r = a != 0 || regs[in.B] != 0; break;
            case TOpCode::Xor: r = (a != 0) != (regs[in.B] != 0); break;
            case TOpCode::Unknown:
            default: r = 0; break;
        }
        regs[in.Dst] = r;
        continue;
    check:
        if (!std::isfinite(r)) goto fail;
        regs[in.Dst] = r;
    }
    Value = regs[p.Result];
    return true;
fail:
    Value = 0;
    return false;
}

}  // namespace zm
