#pragma once
// "Add Graph": builds a new function graph and appends a copy of it to a graph list.

#include <cstdint>
#include <functional>
#include <string>

#include "editors/fmGraphBase.h"

class TMemory;

class TFormAddGraph final : public TFormGraphBase {
    Q_OBJECT

public:
    explicit TFormAddGraph(QWidget* parent = nullptr);

    // Each entry stores its arguments, shows the dialog modally and returns Confirmed: True only
    // when OK appended the new graph to memory.
    bool Execute(TMemory& memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                 zm::TVarMemory& constMemory);
    bool ExecuteWithExpression(TMemory& memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                               zm::TVarMemory& constMemory, const std::string& exp);
    bool ExecuteWithKind(TMemory& memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                         zm::TVarMemory& constMemory, const std::string& exp, std::uint8_t functionObjType);
    // An x interval that restricts (Min < Max) presets an f(x,y) graph's box to it, with y
    // unrestricted (both y fields empty).
    bool ExecuteWithExpressions(TMemory& memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                                zm::TVarMemory& constMemory, const std::string& exp, const std::string& addExp,
                                std::uint8_t functionObjType, const TInterval& xInterval = {});

    TMemory* Memory = nullptr;
    std::string PresetExp;
    std::string PresetAddExp;
    std::uint8_t PresetKind = 0;
    TInterval PresetInterval;

    // Picks the starting colour: returns an index in 0 .. count - 1. Empty: a generator seeded
    // from the clock at every showing.
    std::function<int(int count)> RandomIndex;

    void FormShow() override;
    void Button1Click() override;
};
