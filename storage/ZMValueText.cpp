#include "storage/ZMValueText.h"

#include "engine/ZMNumber.h"
#include "platform/ZMError.h"

std::int32_t ReadIntegerText(const std::string& text) {
    std::int32_t v = 0;
    if (!zm::TryStrToInt(text, v)) throw ZmError("'" + text + "' is not a valid integer value");
    return v;
}

TColor ReadColorText(const std::string& text) { return ReadIntegerText(text); }

std::uint8_t ReadByteText(const std::string& text) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(ReadIntegerText(text)));
}

double ReadRealText(const std::string& text) {
    double v = 0;
    if (!zm::TryStrToFloat(text, v, '.') && !zm::TryStrToFloat(text, v, ','))
        throw ZmError("'" + text + "' is not a valid floating point value");
    return v;
}

std::string IntegerText(std::int32_t v) { return std::to_string(v); }

std::string RealText(double v, char decimalSep) { return zm::FloatToStr(v, decimalSep); }
