#include "keyboard/KeyboardTextNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace mxcalc::detail {
namespace {

bool isSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

size_t skipSpace(std::u16string_view text, size_t i) {
    while (i < text.size() && isSpace(text[i])) ++i;
    return i;
}

// Appends the run of decimal digits at `i` to `out`; returns the position after it.
size_t takeDigits(std::u16string_view text, size_t i, std::string& out) {
    while (i < text.size() && isDigit(text[i])) out += static_cast<char>(text[i++]);
    return i;
}

// Appends "e", sign and digits of an exponent at `i` when it is complete.
void takeExponent(std::u16string_view text, size_t i, std::string& out) {
    if (i >= text.size() || (text[i] != u'e' && text[i] != u'E')) return;
    std::string exponent = "e";
    size_t j = i + 1;
    if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) exponent += static_cast<char>(text[j++]);
    if (takeDigits(text, j, exponent) > j) out += exponent;
}

// Decimal position of the first significant digit of a numeral that the double range
// cannot hold: positive for overflow, otherwise underflow.
long long magnitudeOf(const std::string& numeral) {
    const size_t exponentAt = numeral.find('e');
    const std::string mantissa = numeral.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string::npos) {
        const char* first = numeral.data() + exponentAt + 1;
        if (*first == '+') ++first;
        if (std::from_chars(first, numeral.data() + numeral.size(), exponent).ec != std::errc())
            exponent = (*first == '-') ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    const size_t point = mantissa.find('.');
    const size_t integerEnd = point == std::string::npos ? mantissa.size() : point;
    const size_t firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string::npos) return std::numeric_limits<int>::min();
    const long long position = firstSignificant < integerEnd
                                   ? static_cast<long long>(integerEnd - firstSignificant)
                                   : -static_cast<long long>(firstSignificant - integerEnd - 1);
    return position + exponent;
}

}  // namespace

double leadingDecimalValue(std::u16string_view text) {
    std::string numeral;
    size_t i = skipSpace(text, 0);
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') numeral += '-';
        ++i;
    }
    const bool negative = !numeral.empty();
    const size_t integerStart = i;
    i = takeDigits(text, i, numeral);
    size_t digitCount = i - integerStart;
    if (i < text.size() && text[i] == u'.') {
        numeral += '.';
        const size_t fractionStart = i + 1;
        i = takeDigits(text, fractionStart, numeral);
        digitCount += i - fractionStart;
    }
    if (digitCount == 0) return 0.0;
    takeExponent(text, i, numeral);

    double value = 0.0;
    const auto [end, ec] = std::from_chars(numeral.data(), numeral.data() + numeral.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        const double magnitude = magnitudeOf(numeral) > 0 ? HUGE_VAL : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return value;
}

uint64_t leadingUnsignedValue(std::u16string_view text, int base) {
    auto digitValue = [base](char16_t c) -> int {
        int value = 99;
        if (c >= u'0' && c <= u'9') value = c - u'0';
        else if (c >= u'a' && c <= u'z') value = c - u'a' + 10;
        else if (c >= u'A' && c <= u'Z') value = c - u'A' + 10;
        return value < base ? value : -1;
    };
    size_t i = skipSpace(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    if (base == 16 && i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
        digitValue(text[i + 2]) >= 0)
        i += 2;
    uint64_t value = 0;
    bool overflow = false;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit < 0) break;
        const auto unsignedBase = static_cast<uint64_t>(base);
        if (value > (std::numeric_limits<uint64_t>::max() - static_cast<uint64_t>(digit)) / unsignedBase)
            overflow = true;
        else
            value = value * unsignedBase + static_cast<uint64_t>(digit);
    }
    if (overflow) return std::numeric_limits<uint64_t>::max();
    return negative ? 0 - value : value;
}

}  // namespace mxcalc::detail
