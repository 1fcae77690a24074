#pragma once
// The field checks of a tool dialog as one table: each row checks one field's text with the field
// validator, and the code of a row is its place in the table, from 1. Every check runs; the
// message of the first failed one is the one the dialog shows.

#include <initializer_list>
#include <string>
#include <string_view>

struct TFieldCheck {
    enum class Kind { NotEmpty, IsFloat, IsInteger, GreaterThan, NotGreaterThan, LessThanText };
    std::string_view Text;  // the field's text
    Kind Check;
    const char* Message;
    double Limit = 0;             // GreaterThan, NotGreaterThan
    std::string_view Other = {};  // LessThanText: the field it must be less than
};

// The message of the first failed check; "" when every check passes.
std::string FirstFailedCheck(std::initializer_list<TFieldCheck> checks, char decimalSeparator);
