#pragma once
// The one error type of the program: raised where a value read from a file does not
// convert, or a file cannot be written. It carries the exact text the user is shown.

#include <stdexcept>
#include <string>

class ZmError : public std::runtime_error {
public:
    explicit ZmError(const std::string& text) : std::runtime_error(text) {}
};
