// Derivative texts and the simplifier.
#include "engine/ZMMath.h"
#include "engine/ZMMathProgram.h"
#include "engine/ZMNumber.h"

namespace zm {

std::string TExpCal::InfixText(int) const { return {}; }
void TExpCal::BuildDisplayTexts() {}
std::string TExpCal::BuildInfix(const TExpFactor&) const { return {}; }
std::string TExpCal::DeriveAt(const TExpFactor&) { return {}; }
void TExpCal::ReplaceTemp(int, const TExpFactor&) {}

uint8_t TExpCal::Derivative() { return 0; }

bool TExpCal::Simplify() {
    Simplified = Trim(Formula);
    return true;
}

TDerivativeOutcome ShorterDerivativeText(std::string_view, std::string_view, TOperatorLib&, TVarMemory&,
                                         TVarMemory&, std::string&) {
    return TDerivativeOutcome::NotDerivable;
}

}  // namespace zm
