// Evaluation: the quadruples as a flat register program.
#include "engine/ZMMath.h"
#include "engine/ZMMathProgram.h"
#include "engine/ZMNumber.h"

#include <cmath>
#include <numbers>

namespace zm {

namespace {

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

bool IsUnary(TOpCode op) { return op < TOpCode::Pow || op == TOpCode::Not || op >= TOpCode::Evaluate; }

// A product whose only use is a sum or difference joins it: one dispatch fewer. An
// overflowing product gives an infinity that the sum keeps, so the check of the sum
// still catches it; temporaries are written once, so the product's operands still hold
// their values where the sum stands.
void FuseProducts(std::vector<TInstr>& code, size_t registers, uint32_t tempBase,
                  uint32_t result) {
    using Instr = TInstr;
    std::vector<int> producer(registers, -1), uses(registers, 0);
    for (size_t i = 0; i < code.size(); ++i) {
        const Instr& in = code[i];
        producer[in.Dst] = static_cast<int>(i);
        ++uses[in.A];
        if (!IsUnary(in.Op)) ++uses[in.B];
    }
    ++uses[result];
    std::vector<bool> gone(code.size(), false);
    auto product = [&](uint32_t r) -> int {
        if (r < tempBase || producer[r] < 0 || uses[r] != 1) return -1;
        const int j = producer[r];
        return code[static_cast<size_t>(j)].Op == TOpCode::Mul && !gone[static_cast<size_t>(j)] ? j : -1;
    };
    for (Instr& in : code) {
        if (in.Op != TOpCode::Add && in.Op != TOpCode::Sub) continue;
        int j = product(in.A);
        uint32_t other = in.B;
        if (j < 0 && in.Op == TOpCode::Add) {
            j = product(in.B);
            other = in.A;
        }
        if (j < 0) continue;
        const Instr& mul = code[static_cast<size_t>(j)];
        in = {in.Op == TOpCode::Add ? TOpCode::MulAdd : TOpCode::MulSub, in.Dst, mul.A, mul.B, other};
        gone[static_cast<size_t>(j)] = true;
    }
    size_t kept = 0;
    for (size_t i = 0; i < code.size(); ++i)
        if (!gone[i]) code[kept++] = code[i];
    code.resize(kept);
}

}  // namespace

TOpCode OpCodeOf(const TOperatorLib& operators, std::string_view operatorText) {
    if (operatorText == "evaluate") return TOpCode::Evaluate;
    const int row = operators.Find(operatorText);
    return row < 0 ? TOpCode::Unknown : static_cast<TOpCode>(row);
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
        pending.push_back({OpCodeOf(*OperatorLib_, q[base + 3].Text), static_cast<uint32_t>(k - 1), refOf(q[base + 1]),
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
    p.Code.reserve(pending.size() + 1);
    for (const auto& e : pending) {
        Program::Instr in{e.op, tempBase + e.dst, reg(e.a), reg(e.b)};
        if (e.op == TOpCode::Pow && e.b.kind == 0) {
            const double b = constants[e.b.index];
            if (b == 0) {
                in.Op = TOpCode::PowOne;
            } else if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0) {
                const auto count = static_cast<uint32_t>(std::fabs(b));
                in.Op = b < 0 ? TOpCode::PowWholeInv
                        : (count == 2 ? TOpCode::Sqr : count == 3 ? TOpCode::PowCube : TOpCode::PowWhole);
                in.B = count;
            }
        }
        p.Code.push_back(in);
    }
    FuseProducts(p.Code, p.Regs.size(), tempBase, reg(result));
    // An operand that the instruction before has just computed is taken from a register,
    // without the round trip through memory.
    for (size_t i = 1; i < p.Code.size(); ++i) {
        TInstr& in = p.Code[i];
        const uint32_t prev = p.Code[i - 1].Dst;
        const bool triple = in.Op == TOpCode::MulAdd || in.Op == TOpCode::MulSub;
        in.APrev = in.A == prev;
        in.BPrev = (triple || !IsUnary(in.Op)) && in.B == prev;
        in.CPrev = triple && in.C == prev;
    }
    p.Code.push_back({TOpCode::Stop, 0, 0, 0});
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
    // Threaded dispatch: every handler jumps straight to the next instruction's handler;
    // the program ends with Stop. Operands are finite here; only the operations that can
    // leave the finite numbers check their result.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
    static const void* const kHandler[] = {
        &&Sin, &&Cos, &&Neg, &&Pos, &&Tan, &&Cot, &&ArcSin, &&ArcCos, &&ArcTan, &&ArcCot, &&Abs, &&Sqrt,
        &&Sqr, &&Ln, &&Log10, &&Log2, &&Exp, &&Int, &&Round, &&Frac, &&Sign, &&Sinh, &&Cosh, &&Tanh,
        &&Coth, &&ArcSinh, &&ArcCosh, &&ArcTanh, &&ArcCoth, &&Random, &&Pow, &&Mul, &&Div, &&Add, &&Sub,
        &&Ge, &&Le, &&Ne, &&Eq, &&Lt, &&Gt, &&Not, &&And, &&Or, &&Xor, &&Pos, &&Unknown, &&PowOne,
        &&PowCube, &&PowWhole, &&PowWholeInv, &&MulAdd, &&MulSub, &&Stop,
    };
    static_assert(std::size(kHandler) == static_cast<size_t>(TOpCode::Stop) + 1);
    const Program::Instr* in = p.Code.data();
    double a, r = 0;  // r: the result of the instruction before
#define ZM_DISPATCH() \
    a = regs[in->A];  \
    goto* kHandler[static_cast<size_t>(in->Op)]
#define ZM_STORE()                 \
    regs[in->Dst] = r;             \
    ++in;                          \
    if (in->APrev)                 \
        a = r;                     \
    else                           \
        a = regs[in->A];           \
    goto* kHandler[static_cast<size_t>(in->Op)]
#define ZM_CHECKED()                   \
    if (!std::isfinite(r)) goto Fail;  \
    ZM_STORE()
#define ZM_B (in->BPrev ? r : regs[in->B])
#define ZM_C (in->CPrev ? r : regs[in->C])
    ZM_DISPATCH();
Pos: r = a; ZM_STORE();
Neg: r = -a; ZM_STORE();
Sin: r = std::sin(a); ZM_STORE();
Cos: r = std::cos(a); ZM_STORE();
Tan: r = std::tan(a); ZM_CHECKED();
Cot:
    if (a == 0) goto Fail;
    r = 1 / std::tan(a);
    ZM_CHECKED();
ArcSin:
    if (a < -1 || a > 1) goto Fail;
    r = std::asin(a);
    ZM_STORE();
ArcCos:
    if (a < -1 || a > 1) goto Fail;
    r = std::acos(a);
    ZM_STORE();
ArcTan: r = std::atan(a); ZM_STORE();
ArcCot: r = a >= 0 ? ArcCotPositive(a) : std::numbers::pi - ArcCotPositive(-a); ZM_STORE();
Abs: r = std::fabs(a); ZM_STORE();
Sqrt:
    if (a < 0) goto Fail;
    r = std::sqrt(a);
    ZM_STORE();
Sqr: r = a * a; ZM_CHECKED();
Ln:
    if (a <= 0) goto Fail;
    r = std::log(a);
    ZM_STORE();
Log10:
    if (a <= 0) goto Fail;
    r = std::log10(a);
    ZM_STORE();
Log2:
    if (a <= 0) goto Fail;
    r = std::log2(a);
    ZM_STORE();
Exp: r = std::exp(a); ZM_CHECKED();
Int: r = std::trunc(a); ZM_STORE();
Round:
    if (!(std::fabs(a) < 9223372036854775808.0)) goto Fail;  // must fit 64 bits
    r = RoundHalfEven(a);
    ZM_STORE();
Frac: r = a - std::trunc(a); ZM_STORE();
Sign: r = a > 0 ? 1 : (a < 0 ? -1 : 0); ZM_STORE();
Sinh: r = std::sinh(a); ZM_CHECKED();
Cosh: r = std::cosh(a); ZM_CHECKED();
Tanh: r = std::tanh(a); ZM_STORE();
Coth:
    if (a == 0) goto Fail;
    r = 1 / std::tanh(a);
    ZM_CHECKED();
ArcSinh: r = std::asinh(a); ZM_STORE();
ArcCosh:
    if (a < 1) goto Fail;
    r = std::acosh(a);
    ZM_STORE();
ArcTanh:
    if (a <= -1 || a >= 1) goto Fail;
    r = std::atanh(a);
    ZM_CHECKED();
ArcCoth:
    if (a >= -1 && a <= 1) goto Fail;
    r = std::atanh(1 / a);
    ZM_CHECKED();
Random: {
    int32_t n = 0;
    if (!TryRoundToInt32(a, n)) n = TruncSat(a);
    r = OperatorLib_->RandomBelow(n);
    ZM_STORE();
}
Pow: {
    const double b = ZM_B;
    if (b == 0) {
        r = 1;
    } else if (a == 0) {
        if (b < 0) goto Fail;
        r = 0;
    } else if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0) {
        r = PowerBySquaring(a, static_cast<uint64_t>(std::fabs(b)));
        if (b < 0) r = 1 / r;
    } else {
        if (a < 0) goto Fail;
        r = std::pow(a, b);
    }
    ZM_CHECKED();
}
PowOne: r = 1; ZM_STORE();
PowCube: r = a * (a * a); ZM_CHECKED();
PowWhole: r = PowerBySquaring(a, in->B); ZM_CHECKED();
PowWholeInv:
    if (a == 0) goto Fail;
    r = 1 / PowerBySquaring(a, in->B);
    ZM_CHECKED();
Mul: r = a * ZM_B; ZM_CHECKED();
Div: {
    const double b = ZM_B;
    if (b == 0) goto Fail;
    r = a / b;
    ZM_CHECKED();
}
Add: r = a + ZM_B; ZM_CHECKED();
MulAdd: r = a * ZM_B + ZM_C; ZM_CHECKED();
MulSub: r = a * ZM_B - ZM_C; ZM_CHECKED();
Sub: r = a - ZM_B; ZM_CHECKED();
Ge: r = a >= ZM_B; ZM_STORE();
Le: r = a <= ZM_B; ZM_STORE();
Ne: r = a != ZM_B; ZM_STORE();
Eq: r = a == ZM_B; ZM_STORE();
Lt: r = a < ZM_B; ZM_STORE();
Gt: r = a > ZM_B; ZM_STORE();
Not: r = a == 0; ZM_STORE();
And: r = a != 0 && ZM_B != 0; ZM_STORE();
Or: r = a != 0 || ZM_B != 0; ZM_STORE();
Xor: r = (a != 0) != (ZM_B != 0); ZM_STORE();
Unknown: r = 0; ZM_STORE();
#undef ZM_C
#undef ZM_B
#undef ZM_CHECKED
#undef ZM_STORE
#undef ZM_DISPATCH
#pragma GCC diagnostic pop
Stop:
    Value = regs[p.Result];
    return true;
Fail:
    Value = 0;
    return false;
}

}  // namespace zm
