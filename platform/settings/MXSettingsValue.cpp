#include "platform/settings/MXSettingsValue.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/text/MXText.h"

namespace {

bool isSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

size_t skipSpace(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    return i;
}

size_t skipDigits(std::u16string_view text, size_t i) {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

// The longest prefix (after white space) of the form [+-]digits[.digits][e[+-]digits].
std::string leadingNumeral(std::u16string_view text) {
    size_t start = skipSpace(text);
    size_t i = start;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        ++i;
    }
    size_t integerEnd = skipDigits(text, i);
    size_t end = integerEnd;
    bool hasDigits = integerEnd > i;
    if (end < text.size() && text[end] == u'.') {
        size_t fractionEnd = skipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits) {
        return {};
    }
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        size_t e = end + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-')) {
            ++e;
        }
        size_t exponentEnd = skipDigits(text, e);
        if (exponentEnd > e) {
            end = exponentEnd;
        }
    }
    std::string numeral;
    for (size_t k = start; k < end; ++k) {
        if (text[k] != u'+') {
            numeral.push_back(static_cast<char>(text[k]));
        }
    }
    return numeral;
}

// A numeral too large or too small for a double: infinity or zero, with its sign.
double outOfRangeValue(const std::string& numeral) {
    bool negative = numeral.front() == '-';
    size_t exponentAt = numeral.find_first_of("eE");
    std::string mantissa = numeral.substr(0, exponentAt);
    size_t point = mantissa.find('.');
    size_t firstNonZero = mantissa.find_first_of("123456789");
    long long exponent = 0;
    if (exponentAt != std::string::npos) {
        const char* first = numeral.data() + exponentAt + 1;
        auto parsed = std::from_chars(first, numeral.data() + numeral.size(), exponent);
        if (parsed.ec == std::errc::result_out_of_range) {
            exponent = *first == '-' ? -(1LL << 60) : (1LL << 60);
        }
    }
    long long pointAt = point == std::string::npos ? static_cast<long long>(mantissa.size())
                                                   : static_cast<long long>(point);
    bool huge = firstNonZero != std::string::npos &&
                pointAt - static_cast<long long>(firstNonZero) + exponent > 0;
    double magnitude = huge ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

int64_t saturatedTruncation(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 9223372036854775808.0) {
        return std::numeric_limits<int64_t>::max();
    }
    if (value < -9223372036854775808.0) {
        return std::numeric_limits<int64_t>::min();
    }
    return static_cast<int64_t>(value);
}

}  // namespace

MXSettingsType MXSettingsTypeOf(const MXSettingsValue& value) {
    return static_cast<MXSettingsType>(value.index());
}

std::string MXShortestDoubleText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

int64_t MXLeadingInteger(std::u16string_view text) {
    size_t i = skipSpace(text);
    bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        ++i;
    }
    uint64_t magnitude = 0;
    const uint64_t limit = negative ? 9223372036854775808ULL : 9223372036854775807ULL;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        uint64_t digit = static_cast<uint64_t>(text[i] - u'0');
        if (magnitude > (limit - digit) / 10) {
            magnitude = limit;
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (negative) {
        return magnitude == 9223372036854775808ULL ? std::numeric_limits<int64_t>::min()
                                                   : -static_cast<int64_t>(magnitude);
    }
    return static_cast<int64_t>(magnitude);
}

double MXLeadingDouble(std::u16string_view text) {
    std::string numeral = leadingNumeral(text);
    if (numeral.empty()) {
        return 0.0;
    }
    double value = 0.0;
    auto result = std::from_chars(numeral.data(), numeral.data() + numeral.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return outOfRangeValue(numeral);
    }
    return value;
}

int64_t MXSettingsIntegerValue(const MXSettingsValue& value) {
    if (const auto* integer = std::get_if<int64_t>(&value)) {
        return *integer;
    }
    if (const auto* real = std::get_if<double>(&value)) {
        return saturatedTruncation(*real);
    }
    return MXLeadingInteger(std::get<std::u16string>(value));
}

double MXSettingsDoubleValue(const MXSettingsValue& value) {
    if (const auto* integer = std::get_if<int64_t>(&value)) {
        return static_cast<double>(*integer);
    }
    if (const auto* real = std::get_if<double>(&value)) {
        return *real;
    }
    return MXLeadingDouble(std::get<std::u16string>(value));
}

std::u16string MXSettingsTextValue(const MXSettingsValue& value) {
    if (const auto* integer = std::get_if<int64_t>(&value)) {
        return MXIntegerText(*integer);
    }
    if (const auto* real = std::get_if<double>(&value)) {
        return MXFromUtf8(MXShortestDoubleText(*real));
    }
    return std::get<std::u16string>(value);
}
