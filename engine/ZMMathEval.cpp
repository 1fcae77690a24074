// Evaluation: the quadruples as a flat register program, run one point at a time or
// over columns of points.
#include "engine/ZMMath.h"
#include "engine/ZMMathProgram.h"
#include "engine/ZMNumber.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numbers>

#if defined(__x86_64__)
#include <immintrin.h>
// The batch loop is built for each vector width, chosen at run time.
#define ZM_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define ZM_VECTOR_CLONES
#endif

namespace zm {

namespace {

// Vector code elsewhere (the image library's fills, for one) may return with the upper
// halves of the AVX registers in use; SSE code such as the maths library's then runs many
// times slower on some processors until they are cleared. Evaluation clears them first.
#if defined(__x86_64__)
__attribute__((target("avx"))) void ZeroUpperHalves() { _mm256_zeroupper(); }

const bool kHasAvx = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}();

inline void ClearUpperState() {
    if (kHasAvx) ZeroUpperHalves();
}
#else
inline void ClearUpperState() {}
#endif

constexpr double kFault = std::numeric_limits<double>::quiet_NaN();

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

// A whole negative exponent: the reciprocal of the product, which must not overflow.
double ReciprocalPower(double base, uint64_t n) {
    const double product = PowerBySquaring(base, n);
    return std::isfinite(product) ? 1 / product : kFault;
}

double Power(double a, double b) {
    if (b == 0) return 1;
    if (a == 0) return b < 0 ? kFault : 0;
    if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0) {
        const auto n = static_cast<uint64_t>(std::fabs(b));
        return b < 0 ? ReciprocalPower(a, n) : PowerBySquaring(a, n);
    }
    return a < 0 ? kFault : std::pow(a, b);
}

// The rule of every operation but "random", shared by both ways of running a program.
// Given finite operands a rule gives a finite number, or, when the operation fails (a
// domain test or an arithmetic fault), one that is not finite. FAILS marks the rules that
// can fail; a, b, c are the operands, n the count of a whole constant exponent.
#define ZM_UNARY_RULES(X)                                                              \
    X(Sin, false, std::sin(a))                                                         \
    X(Cos, false, std::cos(a))                                                         \
    X(Neg, false, -a)                                                                  \
    X(Pos, false, a)                                                                   \
    X(Evaluate, false, a)                                                              \
    X(Tan, true, std::tan(a))                                                          \
    X(Cot, true, a == 0 ? kFault : 1 / std::tan(a))                                    \
    X(ArcSin, true, a < -1 || a > 1 ? kFault : std::asin(a))                           \
    X(ArcCos, true, a < -1 || a > 1 ? kFault : std::acos(a))                           \
    X(ArcTan, false, std::atan(a))                                                     \
    X(ArcCot, false, a >= 0 ? ArcCotPositive(a) : std::numbers::pi - ArcCotPositive(-a)) \
    X(Abs, false, std::fabs(a))                                                        \
    X(Sqrt, true, std::sqrt(a)) /* not a number below 0 */                             \
    X(Sqr, true, a * a)                                                                \
    X(Ln, true, a <= 0 ? kFault : std::log(a))                                         \
    X(Log10, true, a <= 0 ? kFault : std::log10(a))                                    \
    X(Log2, true, a <= 0 ? kFault : std::log2(a))                                      \
    X(Exp, true, std::exp(a))                                                          \
    X(Int, false, std::trunc(a))                                                       \
    X(Round, true, std::fabs(a) < 9223372036854775808.0 ? RoundHalfEven(a) : kFault)   \
    X(Frac, false, a - std::trunc(a))                                                  \
    X(Sign, false, a > 0 ? 1.0 : (a < 0 ? -1.0 : 0.0))                                 \
    X(Sinh, true, std::sinh(a))                                                        \
    X(Cosh, true, std::cosh(a))                                                        \
    X(Tanh, false, std::tanh(a))                                                       \
    X(Coth, true, a == 0 ? kFault : 1 / std::tanh(a))                                  \
    X(ArcSinh, false, std::asinh(a))                                                   \
    X(ArcCosh, true, a < 1 ? kFault : std::acosh(a))                                   \
    X(ArcTanh, true, a <= -1 || a >= 1 ? kFault : std::atanh(a))                       \
    X(ArcCoth, true, a >= -1 && a <= 1 ? kFault : std::atanh(1 / a))                   \
    X(Not, false, a == 0 ? 1.0 : 0.0)                                                  \
    X(Unknown, false, 0.0)                                                             \
    X(PowOne, false, 1.0)                                                              \
    X(PowCube, true, a * (a * a))

#define ZM_COUNT_RULES(X)                    \
    X(PowWhole, true, PowerBySquaring(a, n)) \
    X(PowWholeInv, true, ReciprocalPower(a, n))

#define ZM_BINARY_RULES(X)                                   \
    X(Pow, true, Power(a, b))                                \
    X(Mul, true, a * b)                                      \
    X(Div, true, a / b) /* not finite when b is 0 */         \
    X(Add, true, a + b)                                      \
    X(Sub, true, a - b)                                      \
    X(Ge, false, a >= b ? 1.0 : 0.0)                         \
    X(Le, false, a <= b ? 1.0 : 0.0)                         \
    X(Ne, false, a != b ? 1.0 : 0.0)                         \
    X(Eq, false, a == b ? 1.0 : 0.0)                         \
    X(Lt, false, a < b ? 1.0 : 0.0)                          \
    X(Gt, false, a > b ? 1.0 : 0.0)                          \
    X(And, false, a != 0 && b != 0 ? 1.0 : 0.0)              \
    X(Or, false, a != 0 || b != 0 ? 1.0 : 0.0)               \
    X(Xor, false, (a != 0) != (b != 0) ? 1.0 : 0.0)

#define ZM_TERNARY_RULES(X)    \
    X(MulAdd, true, a * b + c) \
    X(MulSub, true, a * b - c)

bool IsUnary(TOpCode op) { return op < TOpCode::Pow || op == TOpCode::Not || op >= TOpCode::Evaluate; }
bool IsTernary(TOpCode op) { return op == TOpCode::MulAdd || op == TOpCode::MulSub; }
bool WritesC(TOpCode op) { return op == TOpCode::SinCos; }
// Reads its B operand from a register.
bool ReadsB(TOpCode op) { return !IsUnary(op) || IsTernary(op); }

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

// The sine and the cosine of one register come from one call (the same bits as the two
// apart). Registers are written once, so the later one's operand holds the same value
// where the earlier one stands. Each sine or cosine pairs with the first unpaired one of
// the other kind after it. The unpaired ones of a register are all of one kind, so a
// queue per register finds the pairs in one pass.
void FuseSinCos(std::vector<TInstr>& code, size_t registers) {
    constexpr size_t kNone = SIZE_MAX;
    std::vector<size_t> first(registers, kNone), last(registers, kNone);  // the queue of each register
    std::vector<size_t> next(code.size(), kNone);
    std::vector<bool> gone(code.size(), false);
    for (size_t j = 0; j < code.size(); ++j) {
        const TInstr& in = code[j];
        if (in.Op != TOpCode::Sin && in.Op != TOpCode::Cos) continue;
        const size_t i = first[in.A];
        if (i != kNone && code[i].Op != in.Op) {
            first[in.A] = next[i];
            TInstr& earlier = code[i];
            const uint32_t sine = earlier.Op == TOpCode::Sin ? earlier.Dst : in.Dst;
            const uint32_t cosine = earlier.Op == TOpCode::Sin ? in.Dst : earlier.Dst;
            earlier = {TOpCode::SinCos, sine, earlier.A, earlier.A, cosine};
            gone[j] = true;
        } else {
            (i == kNone ? first[in.A] : next[last[in.A]]) = j;
            last[in.A] = j;
        }
    }
    size_t kept = 0;
    for (size_t i = 0; i < code.size(); ++i)
        if (!gone[i]) code[kept++] = code[i];
    code.resize(kept);
}

bool CanFail(TOpCode op) {
    switch (op) {
#define ZM_FAILS_CASE(op, fails, expr) \
    case TOpCode::op: return fails;
        ZM_UNARY_RULES(ZM_FAILS_CASE)
        ZM_COUNT_RULES(ZM_FAILS_CASE)
        ZM_BINARY_RULES(ZM_FAILS_CASE)
        ZM_TERNARY_RULES(ZM_FAILS_CASE)
#undef ZM_FAILS_CASE
    case TOpCode::Random:
    case TOpCode::SinCos:
    case TOpCode::Stop: break;
    }
    return false;
}

// Whether a rule's result is not finite whenever its operand at this position (0 A, 1 B,
// 2 C) is not: a fault then travels on through it to be seen later.
bool PassesFaultsOn(TOpCode op, int position) {
    switch (op) {
    case TOpCode::ArcTan: case TOpCode::ArcCot: case TOpCode::Exp: case TOpCode::Sign: case TOpCode::Tanh:
    case TOpCode::Coth: case TOpCode::ArcCoth: case TOpCode::Not: case TOpCode::Unknown: case TOpCode::PowOne:
    case TOpCode::Random: case TOpCode::Pow: case TOpCode::Ge: case TOpCode::Le: case TOpCode::Ne:
    case TOpCode::Eq: case TOpCode::Lt: case TOpCode::Gt: case TOpCode::And: case TOpCode::Or: case TOpCode::Xor:
        return false;
    case TOpCode::Div: return position == 0;
    default: return true;
    }
}

// A batch notes the points whose result is not finite only where it must: a fault that
// travels on to the program's result (which is always looked at) or to a consumer that
// does the noting is not noted twice. Calculate's rule (fail at the first fault) and the
// batch's (fail where any fault was noted) then agree.
void MarkChecks(std::vector<TInstr>& code, uint32_t tempBase, size_t temps, uint32_t result) {
    std::vector<int> consumers(temps, 0);
    std::vector<bool> passedOn(temps, true);  // every reader lets a fault through
    for (const TInstr& in : code) {
        const uint32_t regs[3] = {in.A, in.B, in.C};
        const bool reads[3] = {true, ReadsB(in.Op), IsTernary(in.Op)};
        bool counted[3] = {false, false, false};
        for (int k = 0; k < 3; ++k) {
            if (!reads[k] || regs[k] < tempBase) continue;
            const uint32_t t = regs[k] - tempBase;
            bool again = false;
            for (int j = 0; j < k; ++j) again = again || (counted[j] && regs[j] == regs[k]);
            if (!again) ++consumers[t];
            counted[k] = true;
            if (!PassesFaultsOn(in.Op, k)) passedOn[t] = false;
        }
    }
    std::vector<bool> carries(temps, false);  // may hold a fault not yet noted
    for (TInstr& in : code) {
        bool carried = CanFail(in.Op);
        const uint32_t regs[3] = {in.A, ReadsB(in.Op) ? in.B : in.A, IsTernary(in.Op) ? in.C : in.A};
        for (uint32_t r : regs)
            if (r >= tempBase && carries[r - tempBase]) carried = true;
        // Where the result goes on to be noted. A sine and a cosine of one operand are not
        // finite together, so noting the sine notes both.
        auto later = [&](uint32_t reg) {
            const uint32_t t = reg - tempBase;
            return reg == result || (consumers[t] == 1 && passedOn[t]);
        };
        const bool deferred = later(in.Dst) && (!WritesC(in.Op) || later(in.C));
        in.Check = carried && !deferred;
        carries[in.Dst - tempBase] = carried && deferred;
        if (WritesC(in.Op)) carries[in.C - tempBase] = carried && deferred;
    }
}

// Columns of the temporaries for batches: a temporary takes a free column when it is
// written, never one of its own operands', and gives it back after its last reader.
uint32_t AllocateColumns(const std::vector<TInstr>& code, uint32_t tempBase, size_t temps, uint32_t result,
                         std::vector<uint32_t>& columnOf) {
    std::vector<size_t> lastRead(temps, 0);
    std::vector<bool> read(temps, false);
    auto note = [&](uint32_t reg, size_t i) {
        if (reg < tempBase) return;
        lastRead[reg - tempBase] = i;
        read[reg - tempBase] = true;
    };
    for (size_t i = 0; i < code.size(); ++i) {
        const TInstr& in = code[i];
        note(in.A, i);
        if (ReadsB(in.Op)) note(in.B, i);
        if (IsTernary(in.Op)) note(in.C, i);
    }
    columnOf.assign(temps, 0);
    std::vector<uint32_t> free;
    uint32_t count = 0;
    auto release = [&](uint32_t reg, size_t i) {
        if (reg < tempBase || reg == result || lastRead[reg - tempBase] != i) return;
        free.push_back(columnOf[reg - tempBase]);
        lastRead[reg - tempBase] = SIZE_MAX;  // an operand read twice is given back once
    };
    auto take = [&](uint32_t reg) {
        const uint32_t t = reg - tempBase;
        if (free.empty()) {
            columnOf[t] = count++;
        } else {
            columnOf[t] = free.back();
            free.pop_back();
        }
    };
    auto dropUnread = [&](uint32_t reg) {
        if (!read[reg - tempBase] && reg != result) free.push_back(columnOf[reg - tempBase]);
    };
    for (size_t i = 0; i < code.size(); ++i) {
        const TInstr& in = code[i];
        take(in.Dst);
        if (WritesC(in.Op)) take(in.C);
        release(in.A, i);
        if (ReadsB(in.Op)) release(in.B, i);
        if (IsTernary(in.Op)) release(in.C, i);
        dropUnread(in.Dst);
        if (WritesC(in.Op)) dropUnread(in.C);
    }
    return count;
}

constexpr size_t kBlock = 256;    // points per block: the columns of a formula stay in the cache
constexpr size_t kFewPoints = 16;  // fewer are evaluated one by one

// The rules of one operand that call the maths library.
constexpr bool Costly(TOpCode op) {
    switch (op) {
    case TOpCode::Sin: case TOpCode::Cos: case TOpCode::Tan: case TOpCode::Cot: case TOpCode::ArcSin:
    case TOpCode::ArcCos: case TOpCode::ArcTan: case TOpCode::ArcCot: case TOpCode::Ln: case TOpCode::Log10:
    case TOpCode::Log2: case TOpCode::Exp: case TOpCode::Sinh: case TOpCode::Cosh: case TOpCode::Tanh:
    case TOpCode::Coth: case TOpCode::ArcSinh: case TOpCode::ArcCosh: case TOpCode::ArcTanh: case TOpCode::ArcCoth:
        return true;
    default: return false;
    }
}

bool SameOperand(const double* a, size_t i) {
    return i > 0 && std::bit_cast<uint64_t>(a[i]) == std::bit_cast<uint64_t>(a[i - 1]);
}

// r[i] = f(i) for the points of a block; a rule that can fail also marks the points whose
// result is not finite: their fault value becomes not a number. With Reuse (a costly rule
// of one operand a) a point whose operand has the bits of the one before takes its result
// (a rule gives the same bits for the same operand), as the points of a grid and a column
// read from the memory often do.
template <bool Fails, bool Reuse, class F>
[[gnu::always_inline]] inline void Map(size_t points, const double* a, double* __restrict r, double* __restrict fault,
                                       F f) {
    for (size_t i = 0; i < points; ++i) {
        double v;
        if constexpr (Reuse)
            v = SameOperand(a, i) ? r[i - 1] : f(i);
        else
            v = f(i);
        r[i] = v;
        if constexpr (Fails) fault[i] += v * 0.0;
    }
}

// One block of points through a program without "random": col holds the column read for
// each register, out the columns written by each instruction (Dst, then C).
ZM_VECTOR_CLONES void RunBlock(const TInstr* in, const double* const* col, double* const* out, double* fault,
                               size_t points) {
    for (; in->Op != TOpCode::Stop; ++in, out += 2) {
        double* const r = out[0];
        const bool check = in->Check;
        const double* const pa = col[in->A];
        const double* const pb = ReadsB(in->Op) ? col[in->B] : nullptr;
        const double* const pc = IsTernary(in->Op) ? col[in->C] : nullptr;
        const uint64_t n = in->B;
        switch (in->Op) {
#define ZM_CASE(op, capture, load, expr)                    \
    case TOpCode::op: {                                     \
        constexpr bool reuse = Costly(TOpCode::op);         \
        const auto f = [capture](size_t i) {                \
            load;                                           \
            return (expr);                                  \
        };                                                  \
        if (check)                                          \
            Map<true, reuse>(points, pa, r, fault, f);      \
        else                                                \
            Map<false, reuse>(points, pa, r, fault, f);     \
        break;                                              \
    }
#define ZM_COMMA ,
#define ZM_UNARY_CASE(op, fails, expr) ZM_CASE(op, pa, [[maybe_unused]] const double a = pa[i], expr)
#define ZM_COUNT_CASE(op, fails, expr) ZM_CASE(op, pa ZM_COMMA n, const double a = pa[i], expr)
#define ZM_BINARY_CASE(op, fails, expr) ZM_CASE(op, pa ZM_COMMA pb, const double a = pa[i] ZM_COMMA b = pb[i], expr)
#define ZM_TERNARY_CASE(op, fails, expr) \
    ZM_CASE(op, pa ZM_COMMA pb ZM_COMMA pc, const double a = pa[i] ZM_COMMA b = pb[i] ZM_COMMA c = pc[i], expr)
            ZM_UNARY_RULES(ZM_UNARY_CASE)
            ZM_COUNT_RULES(ZM_COUNT_CASE)
            ZM_BINARY_RULES(ZM_BINARY_CASE)
            ZM_TERNARY_RULES(ZM_TERNARY_CASE)
#undef ZM_UNARY_CASE
#undef ZM_COUNT_CASE
#undef ZM_BINARY_CASE
#undef ZM_TERNARY_CASE
#undef ZM_COMMA
#undef ZM_CASE
        case TOpCode::SinCos: {
            double* const cosine = out[1];
            for (size_t i = 0; i < points; ++i) {
                if (SameOperand(pa, i)) {
                    r[i] = r[i - 1];
                    cosine[i] = cosine[i - 1];
                } else {
                    ::sincos(pa[i], &r[i], &cosine[i]);
                }
            }
            break;
        }
        case TOpCode::Random:
        case TOpCode::Stop: break;
        }
    }
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
    FuseSinCos(p.Code, p.Regs.size());
    // An operand that the instruction before has just computed is taken from a register,
    // without the round trip through memory.
    for (size_t i = 1; i < p.Code.size(); ++i) {
        TInstr& in = p.Code[i];
        const uint32_t prev = p.Code[i - 1].Dst;
        in.APrev = in.A == prev;
        in.BPrev = ReadsB(in.Op) && in.B == prev;
        in.CPrev = IsTernary(in.Op) && in.C == prev;
    }
    p.Result = reg(result);
    p.TempBase = tempBase;
    p.TempColumns = AllocateColumns(p.Code, tempBase, static_cast<size_t>(n), p.Result, p.TempColumn);
    MarkChecks(p.Code, tempBase, static_cast<size_t>(n), p.Result);
    for (const TInstr& in : p.Code)
        if (in.Op == TOpCode::Random) p.HasRandom = true;
    p.Code.push_back({TOpCode::Stop, 0, 0, 0});
    for (double v : constants)
        if (!std::isfinite(v)) p.ConstantFault = true;
    p.HasResult = true;
}

void TExpCal::ResolveSlots() {
    Program& p = *Program_;
    for (size_t i = 0; i < p.VarNames.size(); ++i) p.VarSlots[i] = VarMemory_->IndexOf(p.VarNames[i]);
    p.Generation = VarMemory_->Generation();
    p.Resolved = true;
}

bool TExpCal::Runnable() {
    Program& p = *Program_;
    if (!Valid || !p.HasResult || p.ConstantFault) return false;
    if (!p.Resolved || p.Generation != VarMemory_->Generation()) ResolveSlots();
    return true;
}

bool TExpCal::LoadVariables(const double* const* bound, size_t point) {
    Program& p = *Program_;
    for (size_t i = 0; i < p.VarSlots.size(); ++i) {
        const int slot = p.VarSlots[i];
        const double v = bound && bound[i] ? bound[i][point] : (slot >= 0 ? VarMemory_->ValueAt(slot) : 0.0);
        if (!std::isfinite(v)) return false;
        p.Regs[p.VarBase + i] = v;
    }
    return true;
}

bool TExpCal::Calculate() {
    ClearUpperState();
    double v = 0;
    const bool ok = Runnable() && LoadVariables(nullptr, 0) && Execute(v);
    Value = ok ? v : 0;
    return ok;
}

bool TExpCal::Execute(double& value) {
    Program& p = *Program_;
    double* const regs = p.Regs.data();
    // Threaded dispatch: every handler jumps straight to the next instruction's handler;
    // the program ends with Stop. Operands are finite here; only the rules that can fail
    // check their result.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
    static const void* const kHandler[] = {
        &&Sin, &&Cos, &&Neg, &&Pos, &&Tan, &&Cot, &&ArcSin, &&ArcCos, &&ArcTan, &&ArcCot, &&Abs, &&Sqrt,
        &&Sqr, &&Ln, &&Log10, &&Log2, &&Exp, &&Int, &&Round, &&Frac, &&Sign, &&Sinh, &&Cosh, &&Tanh,
        &&Coth, &&ArcSinh, &&ArcCosh, &&ArcTanh, &&ArcCoth, &&Random, &&Pow, &&Mul, &&Div, &&Add, &&Sub,
        &&Ge, &&Le, &&Ne, &&Eq, &&Lt, &&Gt, &&Not, &&And, &&Or, &&Xor, &&Evaluate, &&Unknown, &&PowOne,
        &&PowCube, &&PowWhole, &&PowWholeInv, &&MulAdd, &&MulSub, &&SinCos, &&Stop,
    };
    static_assert(std::size(kHandler) == static_cast<size_t>(TOpCode::Stop) + 1);
    const Program::Instr* in = p.Code.data();
    double a, r = 0;  // r: the result of the instruction before
#define ZM_STORE()                \
    regs[in->Dst] = r;            \
    ++in;                         \
    a = in->APrev ? r : regs[in->A]; \
    goto* kHandler[static_cast<size_t>(in->Op)]
#define ZM_KEEP(fails)                            \
    if ((fails) && !std::isfinite(r)) goto Fail;  \
    ZM_STORE()
#define ZM_UNARY_LABEL(op, fails, expr) \
    op:                                 \
    r = (expr);                         \
    ZM_KEEP(fails);
#define ZM_COUNT_LABEL(op, fails, expr) \
    op : {                              \
        const uint64_t n = in->B;       \
        r = (expr);                     \
        ZM_KEEP(fails);                 \
    }
#define ZM_BINARY_LABEL(op, fails, expr)               \
    op : {                                             \
        const double b = in->BPrev ? r : regs[in->B];  \
        r = (expr);                                    \
        ZM_KEEP(fails);                                \
    }
#define ZM_TERNARY_LABEL(op, fails, expr)              \
    op : {                                             \
        const double b = in->BPrev ? r : regs[in->B];  \
        const double c = in->CPrev ? r : regs[in->C];  \
        r = (expr);                                    \
        ZM_KEEP(fails);                                \
    }
    a = regs[in->A];
    goto* kHandler[static_cast<size_t>(in->Op)];
    ZM_UNARY_RULES(ZM_UNARY_LABEL)
    ZM_COUNT_RULES(ZM_COUNT_LABEL)
    ZM_BINARY_RULES(ZM_BINARY_LABEL)
    ZM_TERNARY_RULES(ZM_TERNARY_LABEL)
SinCos:
    ::sincos(a, &r, &regs[in->C]);
    ZM_STORE();
Random: {
    int32_t k = 0;
    if (!TryRoundToInt32(a, k)) k = TruncSat(a);
    r = OperatorLib_->RandomBelow(k);
    ZM_STORE();
}
#undef ZM_UNARY_LABEL
#undef ZM_COUNT_LABEL
#undef ZM_BINARY_LABEL
#undef ZM_TERNARY_LABEL
#undef ZM_KEEP
#undef ZM_STORE
#pragma GCC diagnostic pop
Stop:
    value = regs[p.Result];
    return true;
Fail:
    return false;
}

void TExpCal::CalculateBatch(std::span<const TBatchVariable> bound, size_t count, double* results, uint8_t* ok) {
    ClearUpperState();
    if (count == 0) return;
    if (!Runnable()) {
        std::fill(results, results + count, 0.0);
        std::fill(ok, ok + count, uint8_t{0});
        return;
    }
    Program& p = *Program_;
    // The array of each variable register, or none when it reads the memory.
    p.Bound.assign(p.VarSlots.size(), nullptr);
    for (const TBatchVariable& v : bound)
        for (size_t i = 0; i < p.VarSlots.size(); ++i)
            if (v.Slot >= 0 && p.VarSlots[i] == v.Slot) p.Bound[i] = v.Values;
    // Point by point where the generator is drawn from (so that its draws come in the order
    // Calculate makes them) and where a few points do not pay for setting up the columns.
    if (p.HasRandom || count < kFewPoints) {
        for (size_t i = 0; i < count; ++i) {
            double v = 0;
            ok[i] = LoadVariables(p.Bound.data(), i) && Execute(v);
            results[i] = ok[i] ? v : 0;
        }
        return;
    }
    RunBlocks(count, results, ok);
}

void TExpCal::RunBlocks(size_t count, double* results, uint8_t* ok) {
    Program& p = *Program_;
    const size_t vars = p.VarSlots.size();
    const size_t faultAt = p.TempBase + p.TempColumns;  // constants, variables, temporaries, faults
    auto column = [&](size_t k) { return &p.Columns[k * kBlock]; };
    if (p.Columns.empty()) {
        p.Columns.resize((faultAt + 1) * kBlock);
        p.Read.assign(p.Regs.size(), nullptr);
        for (uint32_t k = 0; k < p.VarBase; ++k) {
            std::fill_n(column(k), kBlock, p.Regs[k]);
            p.Read[k] = column(k);
        }
        for (size_t t = 0; t < p.TempColumn.size(); ++t) p.Read[p.TempBase + t] = column(p.TempBase + p.TempColumn[t]);
        p.Written.assign(2 * p.Code.size(), nullptr);
        auto written = [&](uint32_t reg) { return column(p.TempBase + p.TempColumn[reg - p.TempBase]); };
        for (size_t i = 0; i + 1 < p.Code.size(); ++i) {
            p.Written[2 * i] = written(p.Code[i].Dst);
            if (WritesC(p.Code[i].Op)) p.Written[2 * i + 1] = written(p.Code[i].C);
        }
    }
    for (size_t i = 0; i < vars; ++i) {
        if (p.Bound[i]) continue;
        const int slot = p.VarSlots[i];
        const double v = slot >= 0 ? VarMemory_->ValueAt(slot) : 0.0;
        if (!std::isfinite(v)) {
            std::fill(results, results + count, 0.0);
            std::fill(ok, ok + count, uint8_t{0});
            return;
        }
        std::fill_n(column(p.VarBase + i), kBlock, v);
        p.Read[p.VarBase + i] = column(p.VarBase + i);
    }
    double* const fault = column(faultAt);
    for (size_t start = 0; start < count; start += kBlock) {
        const size_t points = std::min(kBlock, count - start);
        std::fill_n(fault, points, 0.0);
        for (size_t i = 0; i < vars; ++i) {
            if (!p.Bound[i]) continue;
            const double* const values = p.Bound[i] + start;
            p.Read[p.VarBase + i] = values;
            for (size_t j = 0; j < points; ++j) fault[j] += values[j] * 0.0;  // an input that is not finite fails
        }
        RunBlock(p.Code.data(), p.Read.data(), p.Written.data(), fault, points);
        const double* const value = p.Read[p.Result];
        for (size_t j = 0; j < points; ++j) {
            const bool good = fault[j] + value[j] * 0.0 == 0;
            ok[start + j] = good;
            results[start + j] = good ? value[j] : 0;
        }
    }
}

}  // namespace zm
