#pragma once
// The flat evaluation program behind TExpCal (internal to the engine).
#include "engine/ZMMath.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zm {

// Operation codes: the operator table's rows in order, then "evaluate" and
// any operator text that has no rule.
enum class TOpCode : uint8_t {
    Sin, Cos, Neg, Pos, Tan, Cot, ArcSin, ArcCos, ArcTan, ArcCot, Abs, Sqrt, Sqr, Ln, Log10, Log2,
    Exp, Int, Round, Frac, Sign, Sinh, Cosh, Tanh, Coth, ArcSinh, ArcCosh, ArcTanh, ArcCoth, Random,
    Pow, Mul, Div, Add, Sub, Ge, Le, Ne, Eq, Lt, Gt, Not, And, Or, Xor,
    Evaluate, Unknown,
    // specialised forms chosen when the program is built
    PowOne,       // constant exponent 0
    PowCube,      // constant exponent 3 (exponent 2 becomes Sqr)
    PowWhole,     // constant whole exponent B (as a count), positive
    PowWholeInv,  // constant whole exponent -B, negative
    MulAdd,       // A * B + C: a product used only by a sum
    MulSub,       // A * B - C
    SinCos,       // sine of A into Dst and its cosine into C, in one call
    Stop,         // ends every program
};

TOpCode OpCodeOf(const TOperatorLib& operators, std::string_view operatorText);

// One instruction of the flat program.
struct TInstr {
    TOpCode Op;
    uint32_t Dst, A, B;  // register indices (B is the count for PowWhole, PowWholeInv)
    uint32_t C = 0;      // third operand of MulAdd, MulSub
    bool APrev = false;  // A, B, C: the result of the instruction before
    bool BPrev = false;
    bool CPrev = false;
    bool Check = false;  // a batch notes the points whose result is not finite
};

struct TExpCal::Program {
    using Instr = TInstr;
    std::vector<Instr> Code;
    std::vector<double> Regs;             // constants, then variables, then temporaries
    std::vector<std::string> VarNames;    // variable registers, in order from VarBase
    std::vector<int> VarSlots;            // their index in the variable memory, -1 absent
    uint32_t VarBase = 0;
    uint32_t TempBase = 0;
    uint64_t Generation = 0;
    bool Resolved = false;
    bool HasResult = false;
    bool ConstantFault = false;           // a constant that is not a finite number
    bool HasRandom = false;               // draws from the generator: no batches
    uint32_t Result = 0;

    // Batch evaluation: every register is a column of values, one per point of a block.
    // Temporaries share columns once their last reader has run.
    std::vector<uint32_t> TempColumn;     // column of each temporary register
    uint32_t TempColumns = 0;
    std::vector<double> Columns;          // constants, variables, temporaries, then the fault column
    std::vector<const double*> Bound;     // per variable register: its array, or none (the memory)
    std::vector<const double*> Read;      // per register: the column read
    std::vector<double*> Written;         // per instruction: the columns of Dst and C written
};

}  // namespace zm
