#include "tools/ZMFieldChecks.h"

#include "editors/cstValidationClass.h"

#include <cstdint>

std::string FirstFailedCheck(std::initializer_list<TFieldCheck> checks, char decimalSeparator) {
    TValidObject v(decimalSeparator);
    std::int32_t code = 0;
    for (const TFieldCheck& c : checks) {
        ++code;
        v.SetText(std::string(c.Text));
        v.AddMessage(code, c.Message);
        switch (c.Check) {
        case TFieldCheck::Kind::NotEmpty: v.CheckNotEmpty(code); break;
        case TFieldCheck::Kind::IsFloat: v.CheckIsFloat(code); break;
        case TFieldCheck::Kind::IsInteger: v.CheckIsInteger(code); break;
        case TFieldCheck::Kind::GreaterThan: v.CheckGreaterThan(code, c.Limit); break;
        case TFieldCheck::Kind::NotGreaterThan: v.CheckNotGreaterThan(code, c.Limit); break;
        case TFieldCheck::Kind::LessThanText: v.CheckLessThanText(std::string(c.Other), code); break;
        }
    }
    return v.LastError == 0 ? std::string() : v.NextErrorMessage();
}
