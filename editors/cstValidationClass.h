#pragma once
// The field validator of the dialogs: checks one text at a time (not empty, a number, an integer,
// bounds) and queues the codes of the failed checks; the dialog shows the message registered for
// the oldest one. Plain C++ on UTF-8 texts; the decimal separator is given at creation. Nothing
// here raises or shows anything.
//
//   TValidObject v(decimalSeparator());
//   v.SetText(from);
//   v.AddMessage(2, "..."); v.CheckNotEmpty(2);
//   v.AddMessage(3, "..."); v.CheckIsFloat(3);
//   if (v.LastError != 0) show(v.NextErrorMessage());

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

struct TErrMessage {
    std::int32_t Code = 0;
    std::string Message;
};

struct TStackIntElem {
    std::int32_t Value = 0;
};

// A first-in, first-out queue of codes (whatever the name says).
class TStackInt {
public:
    void Push(std::int32_t Value) { Items_.push_back({Value}); }
    // The oldest value, removed; -1 when the queue is empty.
    std::int32_t Pop();
    std::size_t Count() const { return Items_.size(); }

private:
    std::deque<TStackIntElem> Items_;
};

class TValidObject {
public:
    explicit TValidObject(char decimalSeparator = '.') : Separator_(decimalSeparator) {}

    // The text every following check reads.
    void SetText(std::string text) { Text = std::move(text); }
    // Registers a message; a code may be registered more than once (the first one counts).
    void AddMessage(std::int32_t code, std::string message);
    // The first registered message of the code; "" when there is none.
    std::string GetMessage(std::int32_t code) const;
    // The oldest queued code, removed; 0 when the queue is empty or Collect is not 1.
    std::int32_t PopError();
    // The message of PopError's code; "" for 0.
    std::string NextErrorMessage();

    // Each check returns true when it passes and then changes nothing. A failure sets LastError
    // to the code and queues the code when Collect is 1.
    bool CheckNotEmpty(std::int32_t code);
    bool CheckIsFloat(std::int32_t code);
    bool CheckIsInteger(std::int32_t code);
    // The text read as a number (FloatSentinel when it is none) compared with the limit.
    bool CheckGreaterThan(std::int32_t code, double limit);
    bool CheckLessThan(std::int32_t code, double limit);
    bool CheckNotGreaterThan(std::int32_t code, double limit);
    // The text read as a number is less than the other text read as a number; note the order.
    bool CheckLessThanText(const std::string& otherText, std::int32_t code);

    // The text as a number, or the sentinel of its kind.
    double FloatOf(const std::string& text) const;
    std::int32_t IntOf(const std::string& text) const;

    std::string Text;
    // 0 while no check has failed, then the code of the latest failure.
    std::int32_t LastError = 0;
    // 1: failed codes are queued; anything else: only LastError is set.
    std::uint8_t Collect = 1;
    TStackInt ErrorQueue;
    double FloatSentinel = -9999999.999;
    std::int32_t IntSentinel = -9999999;

private:
    bool Check(bool passed, std::int32_t code);

    std::vector<TErrMessage> Messages_;
    char Separator_;
};
