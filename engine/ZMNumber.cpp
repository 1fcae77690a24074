#include "engine/ZMNumber.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zm {

std::string_view TrimView(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

std::string LowerAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

namespace {

// The 15 significant digits of a finite, non-zero |v| without trailing zeros, and the
// decimal exponent of the first one.
struct Digits15 {
    std::string digits;
    int exp10 = 0;
};

Digits15 SignificantDigits(double v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
    std::string_view t(buf, static_cast<size_t>(res.ptr - buf));
    // t = d.dddddddddddddde[+-]XX
    const size_t epos = t.find('e');
    Digits15 d;
    d.digits += t[0];
    d.digits.append(t.substr(2, epos - 2));
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::from_chars(t.data() + epos + (t[epos + 1] == '+' ? 2 : 1), t.data() + t.size(), d.exp10);
    return d;
}

// The digits written out without an exponent: "1234.5", "0.00012", "1200".
void AppendPositional(std::string& out, const Digits15& d, char sep) {
    if (d.exp10 >= 0) {
        const size_t intDigits = static_cast<size_t>(d.exp10) + 1;
        if (d.digits.size() <= intDigits) {
            out += d.digits;
            out.append(intDigits - d.digits.size(), '0');
        } else {
            out.append(d.digits, 0, intDigits);
            out += sep;
            out.append(d.digits, intDigits, std::string::npos);
        }
    } else {
        out += '0';
        out += sep;
        out.append(static_cast<size_t>(-d.exp10 - 1), '0');
        out += d.digits;
    }
}

// The largest text that reads as the largest double: its 15-digit rounding, 1.79769313486232E308.
constexpr std::string_view kMaxDigits = "179769313486232";
constexpr long long kMaxExp10 = 308;

}  // namespace

std::string FloatToStr(double v, char sep) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    if (v == 0) return "0";
    const Digits15 d = SignificantDigits(v);
    std::string out;
    if (v < 0) out += '-';
    if (d.exp10 > -5 && d.exp10 < 15) {
        AppendPositional(out, d, sep);
    } else {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += sep;
            out.append(d.digits, 1, std::string::npos);
        }
        out += 'E';
        out += std::to_string(d.exp10);
    }
    return out;
}

std::string FloatToFormulaText(double v) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    if (v == 0) return "0";
    std::string out;
    if (v < 0) out += '-';
    AppendPositional(out, SignificantDigits(v), '.');
    return out;
}

bool TryStrToFloat(std::string_view s, double& out, char sep) {
    s = TrimView(s);
    std::string ascii;
    ascii.reserve(s.size() + 1);
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        if (negative) ascii += '-';
        ++i;
    }
    int mantDigits = 0;
    bool seenSep = false;
    bool seenSig = false;
    long long intDigits = 0;  // digits before the separator
    long long leadZeros = 0;  // zero digits before the first significant one
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            ++mantDigits;
            if (!seenSep) ++intDigits;
            if (c != '0') seenSig = true;
            if (!seenSig) ++leadZeros;
            ascii += c;
        } else if (c == sep && !seenSep) {
            seenSep = true;
            ascii += '.';
        } else {
            break;
        }
    }
    if (mantDigits == 0) return false;
    long long expVal = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ascii += 'e';
        ++i;
        bool neg = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            neg = s[i] == '-';
            if (neg) ascii += '-';
            ++i;
        }
        int expDigits = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            ascii += s[i];
            ++expDigits;
            if (expVal < 100000000) expVal = expVal * 10 + (s[i] - '0');
        }
        if (expDigits == 0) return false;
        if (neg) expVal = -expVal;
    }
    if (i != s.size()) return false;
    double v = 0;
    auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (res.ptr != ascii.data() + ascii.size()) return false;
    if (res.ec == std::errc::result_out_of_range) {
        // The decimal exponent of the first significant digit tells overflow from underflow.
        const long long sigExp = intDigits - 1 - leadZeros + expVal;
        if (seenSig && sigExp > 0) {
            // The 15-digit text of the largest double reads back as that double. The
            // mantissa's digits from the first significant one on, without trailing zeros:
            std::string sigDigits;
            for (const char c : std::string_view(ascii).substr(0, ascii.find('e')))
                if ((c >= '1' && c <= '9') || (c == '0' && !sigDigits.empty())) sigDigits += c;
            while (sigDigits.back() == '0') sigDigits.pop_back();
            if (sigExp != kMaxExp10 || sigDigits > kMaxDigits) return false;
            const double max = std::numeric_limits<double>::max();
            out = negative ? -max : max;
            return true;
        }
        out = negative ? -0.0 : 0.0;
        return true;
    }
    if (res.ec != std::errc()) return false;
    out = v;
    return true;
}

bool TryStrToInt(std::string_view s, int32_t& out) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        neg = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < s.size() && s[i] == '$') { hex = true; ++i; }
    else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) { hex = true; i += 2; }
    else if (i < s.size() && (s[i] == 'x' || s[i] == 'X')) { hex = true; ++i; }
    if (i >= s.size()) return false;
    int64_t v = 0;
    if (hex) {
        size_t n = 0;
        for (; i < s.size(); ++i, ++n) {
            char c = s[i];
            int d;
            if (c >= '0' && c <= '9') d = c - '0';
            else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
            else return false;
            if (n >= 8) return false;
            v = v * 16 + d;
        }
        int32_t bits = static_cast<int32_t>(static_cast<uint32_t>(v));
        int64_t r = neg ? -static_cast<int64_t>(bits) : bits;
        if (r > std::numeric_limits<int32_t>::max() || r < std::numeric_limits<int32_t>::min()) return false;
        out = static_cast<int32_t>(r);
        return true;
    }
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > 2147483648LL) return false;
    }
    if (neg) v = -v;
    if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min()) return false;
    out = static_cast<int32_t>(v);
    return true;
}

bool TryStrToByte(std::string_view s, uint8_t& out) {
    int32_t v;
    if (!TryStrToInt(s, v)) return false;
    out = static_cast<uint8_t>(static_cast<uint32_t>(v));
    return true;
}

bool TryRoundToInt32(double v, int32_t& out) {
    if (!std::isfinite(v)) return false;
    double r = std::nearbyint(v);
    if (r < -2147483648.0 || r > 2147483647.0) return false;
    out = static_cast<int32_t>(r);
    return true;
}

int32_t TruncSat(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

}  // namespace zm
