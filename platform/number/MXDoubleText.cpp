#include "platform/number/MXDoubleText.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

constexpr int kSmallestFixedExponent = -4;
constexpr int kLargestFixedExponent = 15;

// The significant digits d1d2...dn of d1.d2...dn × 10^exponent in fixed notation.
std::string fixedText(const std::string& digits, int exponent) {
    if (exponent < 0) return "0." + std::string(size_t(-exponent - 1), '0') + digits;
    const size_t integerDigits = size_t(exponent) + 1;
    if (digits.size() <= integerDigits) return digits + std::string(integerDigits - digits.size(), '0');
    return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

}  // namespace

std::string MXDoubleReprText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::scientific);
    const std::string_view scientific(buffer, size_t(written.ptr - buffer));  // "1.2345e+05"
    const size_t mark = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + mark + (scientific[mark + 1] == '+' ? 2 : 1), scientific.end(), exponent);
    const std::string_view mantissa = scientific.substr(0, mark);
    const std::string sign = std::signbit(value) ? "-" : "";
    if (exponent < kSmallestFixedExponent || exponent > kLargestFixedExponent) return sign + std::string(scientific);
    std::string digits(mantissa.substr(0, 1));
    if (mantissa.size() > 2) digits += mantissa.substr(2);
    return sign + fixedText(digits, exponent);
}
