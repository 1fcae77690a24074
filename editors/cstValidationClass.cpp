#include "editors/cstValidationClass.h"

#include "engine/ZMNumber.h"

std::int32_t TStackInt::Pop() {
    if (Items_.empty()) return -1;
    const std::int32_t value = Items_.front().Value;
    Items_.pop_front();
    return value;
}

void TValidObject::AddMessage(std::int32_t code, std::string message) {
    Messages_.push_back({code, std::move(message)});
}

std::string TValidObject::GetMessage(std::int32_t code) const {
    for (const TErrMessage& m : Messages_)
        if (m.Code == code) return m.Message;
    return {};
}

std::int32_t TValidObject::PopError() {
    if (Collect != 1 || ErrorQueue.Count() == 0) return 0;
    return ErrorQueue.Pop();
}

std::string TValidObject::NextErrorMessage() {
    const std::int32_t code = PopError();
    return code == 0 ? std::string() : GetMessage(code);
}

double TValidObject::FloatOf(const std::string& text) const {
    double v = 0;
    return zm::TryStrToFloat(text, v, Separator_) ? v : FloatSentinel;
}

std::int32_t TValidObject::IntOf(const std::string& text) const {
    std::int32_t v = 0;
    return zm::TryStrToInt(text, v) ? v : IntSentinel;
}

bool TValidObject::Check(bool passed, std::int32_t code) {
    if (passed) return true;
    LastError = code;
    if (Collect == 1) ErrorQueue.Push(code);
    return false;
}

bool TValidObject::CheckNotEmpty(std::int32_t code) { return Check(!zm::TrimView(Text).empty(), code); }

bool TValidObject::CheckIsFloat(std::int32_t code) { return Check(FloatOf(Text) != FloatSentinel, code); }

bool TValidObject::CheckIsInteger(std::int32_t code) { return Check(IntOf(Text) != IntSentinel, code); }

bool TValidObject::CheckGreaterThan(std::int32_t code, double limit) { return Check(FloatOf(Text) > limit, code); }

bool TValidObject::CheckLessThan(std::int32_t code, double limit) { return Check(FloatOf(Text) < limit, code); }

bool TValidObject::CheckNotGreaterThan(std::int32_t code, double limit) {
    return Check(FloatOf(Text) <= limit, code);
}

bool TValidObject::CheckLessThanText(const std::string& otherText, std::int32_t code) {
    return Check(FloatOf(Text) < FloatOf(otherText), code);
}
