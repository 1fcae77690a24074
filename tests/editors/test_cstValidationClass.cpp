// Field validator: every check against a table of texts, then the queue of failed codes.

#include "editors/cstValidationClass.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct NamedCheck {
    const char* name;
    std::function<bool(TValidObject&, int code)> run;
};

const std::vector<NamedCheck>& Checks() {
    static const std::vector<NamedCheck> checks = {
        {"NotEmpty", [](TValidObject& v, int code) { return v.CheckNotEmpty(code); }},
        {"IsFloat", [](TValidObject& v, int code) { return v.CheckIsFloat(code); }},
        {"IsInteger", [](TValidObject& v, int code) { return v.CheckIsInteger(code); }},
        {"GreaterThan 0", [](TValidObject& v, int code) { return v.CheckGreaterThan(code, 0); }},
        {"LessThan 10", [](TValidObject& v, int code) { return v.CheckLessThan(code, 10); }},
        {"NotGreaterThan 15", [](TValidObject& v, int code) { return v.CheckNotGreaterThan(code, 15); }},
        {"LessThanText 10", [](TValidObject& v, int code) { return v.CheckLessThanText("10", code); }},
    };
    return checks;
}

TEST(ValidObject, EveryCheckAgainstATableOfTexts) {
    struct Case {
        std::string text;
        char sep;
        const char* passes;  // one digit per check, in the order of Checks()
    };
    const Case cases[] = {
        {"5", '.', "1111111"},
        {" 5 ", '.', "1101111"},  // blanks around a real, none after an integer
        {"5 ", '.', "1101111"},
        {"   ", '.', "0000111"},  // not a number reads as -9999999.999
        {"", '.', "0000111"},
        {"\t\x01" "7\r\n", '.', "1101111"},  // control characters count as blanks
        {"\x01\x1f", '.', "0000111"},
        {"-9999999.999", '.', "1000111"},  // the sentinels themselves
        {"-9999999", '.', "1100111"},
        {"$10", '.', "1010111"},  // hex integers are no reals
        {"0x1F", '.', "1010111"},
        {"-$10", '.', "1010111"},
        {"2147483647", '.', "1111000"},
        {"2147483648", '.', "1101000"},
        {"-2147483648", '.', "1110111"},
        {"-2147483649", '.', "1100111"},
        {"1.0", '.', "1101111"},
        {"1e3", '.', "1101000"},
        {"1E400", '.', "1000111"},
        {"15", '.', "1111010"},
        {"15.5", '.', "1101000"},
        {"10", '.', "1111010"},
        {"9.5", '.', "1101111"},
        {"1,5", ',', "1101111"},  // the separator given at creation
        {"1.5", ',', "1000111"},
        {"1,5", '.', "1000111"},
    };
    for (const Case& c : cases) {
        for (size_t i = 0; i < Checks().size(); ++i) {
            const bool passes = c.passes[i] == '1';
            SCOPED_TRACE('"' + c.text + "\" " + Checks()[i].name);
            TValidObject v(c.sep);
            v.SetText(c.text);
            const int code = static_cast<int>(i) + 3;
            EXPECT_EQ(Checks()[i].run(v, code), passes);
            EXPECT_EQ(v.LastError, passes ? 0 : code);
            EXPECT_EQ(v.ErrorQueue.Count(), passes ? 0u : 1u);
        }
    }
}

TEST(ValidObject, LessThanTextReadsBothTextsAsNumbers) {
    const struct {
        const char* text;
        const char* other;
        bool passes;
    } cases[] = {
        {"5", "10", true}, {"10", "10", false}, {"11", "10", false},
        {"abc", "10", true},   // the sentinel is less than 10
        {"5", "abc", false},   // nothing is less than the sentinel but itself
        {"abc", "xyz", false},
    };
    for (const auto& c : cases) {
        TValidObject v;
        v.SetText(c.text);
        EXPECT_EQ(v.CheckLessThanText(c.other, 6), c.passes) << c.text << " < " << c.other;
    }
}

TEST(ValidObject, QueueGivesTheOldestFailureFirst) {
    TValidObject v;
    v.AddMessage(1, "one");
    v.AddMessage(2, "two");
    v.AddMessage(5, "five");
    v.AddMessage(2, "two again");
    v.SetText("x");
    EXPECT_TRUE(v.CheckNotEmpty(1));
    EXPECT_FALSE(v.CheckIsFloat(2));
    v.SetText("7");
    EXPECT_TRUE(v.CheckIsInteger(3));
    EXPECT_FALSE(v.CheckGreaterThan(5, 7));
    EXPECT_EQ(v.LastError, 5);
    EXPECT_EQ(v.NextErrorMessage(), "two");  // the first registration of code 2
    EXPECT_EQ(v.NextErrorMessage(), "five");
    EXPECT_EQ(v.NextErrorMessage(), "");
    EXPECT_EQ(v.LastError, 5);  // popping leaves it
    EXPECT_EQ(v.GetMessage(9), "");
}

TEST(ValidObject, WithoutCollectOnlyTheLastErrorIsKept) {
    TValidObject v;
    v.AddMessage(4, "four");
    v.Collect = 0;
    v.SetText("");
    EXPECT_FALSE(v.CheckNotEmpty(4));
    EXPECT_EQ(v.LastError, 4);
    EXPECT_EQ(v.ErrorQueue.Count(), 0u);
    EXPECT_EQ(v.PopError(), 0);
    EXPECT_EQ(v.NextErrorMessage(), "");
}

TEST(ValidObject, PopOnAnEmptyQueueGivesMinusOne) {
    TStackInt q;
    EXPECT_EQ(q.Pop(), -1);
    q.Push(3);
    q.Push(8);
    EXPECT_EQ(q.Pop(), 3);
    EXPECT_EQ(q.Pop(), 8);
    EXPECT_EQ(q.Pop(), -1);
}

}  // namespace
