#pragma once
// Reading reference values for the decimal record tests, independently of the record's
// own text conversion: "NaN" or [-]digits[.digits][E[+-]digits] with at most 38
// significant digits, turned into the compact record form.
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/decimal/MXDecimalRecord.h"

namespace decimal_test {

using u128 = unsigned __int128;

inline std::optional<MXDecimalRecord> reference(std::string_view text) {
    if (text == "NaN") return MXDecimalRecord::notANumber();
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    u128 mantissa = 0;
    int digits = 0;
    long exponent = 0;
    bool point = false, any = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        any = true;
        if (mantissa == 0 && c == '0') {
            exponent -= point ? 1 : 0;
            continue;
        }
        if (++digits > 38) return std::nullopt;
        mantissa = mantissa * 10 + unsigned(c - '0');
        exponent -= point ? 1 : 0;
    }
    if (!any) return std::nullopt;
    if (i < text.size()) {
        if (text[i] != 'E' && text[i] != 'e') return std::nullopt;
        const std::string rest(text.substr(i + 1));
        size_t used = 0;
        exponent += std::stol(rest, &used);
        if (used != rest.size()) return std::nullopt;
    }
    MXDecimalRecord r;
    if (mantissa == 0) return r;
    while (mantissa % 10 == 0) {
        mantissa /= 10;
        ++exponent;
    }
    for (; exponent > 127; --exponent) {
        mantissa *= 10;
        if (mantissa >= u128(10000000000000000000ull) * 10000000000000000000ull) return std::nullopt;
    }
    if (exponent < -128) return std::nullopt;
    r.mantissa = mantissa;
    r.exponent = int8_t(exponent);
    r.negative = negative;
    return r;
}

// A reference value that must be valid.
inline MXDecimalRecord ref(std::string_view text) {
    const auto r = reference(text);
    if (!r) throw std::invalid_argument("bad reference value " + std::string(text));
    return *r;
}

inline bool sameRecord(const MXDecimalRecord& a, const MXDecimalRecord& b) {
    if (a.isNaN || b.isNaN) return a.isNaN == b.isNaN;
    return a.mantissa == b.mantissa && a.exponent == b.exponent && a.negative == b.negative;
}

inline std::string fields(const MXDecimalRecord& r) {
    if (r.isNaN) return "NaN";
    std::string digits;
    u128 m = r.mantissa;
    do {
        digits.insert(digits.begin(), char('0' + int(m % 10)));
        m /= 10;
    } while (m != 0);
    return (r.negative ? "-" : "") + digits + "E" + std::to_string(r.exponent);
}

}  // namespace decimal_test
