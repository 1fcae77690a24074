#pragma once
// Two formulas Y1(x) and Y2(x) compiled for one action of the intersection or integration tool, in
// a context of their own (x = 0, y = 0, PI) that goes with them. Plain C++.

#include "engine/ZMMath.h"
#include "tools/ZMToolContext.h"

#include <string>

class TCurvePair {
public:
    TCurvePair(const std::string& exp1, const std::string& exp2);
    TCurvePair(const TCurvePair&) = delete;
    TCurvePair& operator=(const TCurvePair&) = delete;

    // "" when both compile, else the message of the first that does not.
    std::string IllegalMessage() const;
    // Y1 and Y2 at x; false when either fails there.
    bool At(double x, double& y1, double& y2);

private:
    TToolContext Context_;
    zm::TExpCal Y1_;
    zm::TExpCal Y2_;
};
