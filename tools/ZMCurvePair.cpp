#include "tools/ZMCurvePair.h"

#include "tools/ZMScan.h"

TCurvePair::TCurvePair(const std::string& exp1, const std::string& exp2)
    : Context_({"x", "y"}),
      Y1_(exp1, Context_.OperatorLib, Context_.VarMemory, Context_.ConstMemory),
      Y2_(exp2, Context_.OperatorLib, Context_.VarMemory, Context_.ConstMemory) {}

std::string TCurvePair::IllegalMessage() const {
    if (Y1_.Valid == 0) return "Expression - Y1(x) is illegal.";
    if (Y2_.Valid == 0) return "Expression - Y2(x) is illegal.";
    return {};
}

bool TCurvePair::At(double x, double& y1, double& y2) {
    const bool ok1 = EvaluateAt(Y1_, Context_.VarMemory, x, y1);
    const bool ok2 = EvaluateAt(Y2_, Context_.VarMemory, x, y2);
    return ok1 && ok2;
}
