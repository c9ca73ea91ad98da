// ceil, floor, abs, round.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "functions/double/MXDoubleThemes.h"

namespace mxcalc::detail {
namespace {

constexpr double kInt64Limit = 9223372036854775808.0;  // 2^63
// Every double is exact with this many decimals, so more digits leave it unchanged.
constexpr int64_t kMostUsefulDigits = 1100;

// The magnitude of a whole number exactly, as a signed integer where it fits.
MXNumber integerMagnitude(const MXNumber& value) {
    if (value.kind() == MXNumberKind::UInt64) return value;
    const int64_t whole = value.longLongValue();
    if (whole == std::numeric_limits<int64_t>::min()) {
        return MXNumber::numberWithUnsignedLongLong(static_cast<uint64_t>(whole));
    }
    return MXNumber::numberWithLongLong(whole < 0 ? -whole : whole);
}

// Whole values keep an integer result; fractions, infinities and not-a-number stay doubles.
MXNumber absoluteOf(const MXNumber& value) {
    if (value.kind() == MXNumberKind::Int64 || value.kind() == MXNumberKind::Int32 ||
        value.kind() == MXNumberKind::UInt64) {
        return integerMagnitude(value);
    }
    const double x = value.doubleValue();
    if (x == std::trunc(x) && std::fabs(x) < kInt64Limit) return integerMagnitude(MXNumber::numberWithLongLong(static_cast<int64_t>(x)));
    return MXNumber(std::fabs(x));
}

// A positive value rounded to `digits` decimals through its fixed-point text, halves
// rounded as the formatter does; no digits rounds halves away from zero.
double roundPositive(double x, int64_t digits) {
    if (digits < 1) return std::round(x);
    if (digits >= kMostUsefulDigits) return x;
    const int precision = static_cast<int>(digits);
    std::string text(static_cast<size_t>(std::snprintf(nullptr, 0, "%.*f", precision, x)) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", precision, x);
    return std::strtod(text.c_str(), nullptr);
}

// Negative values round as their magnitude does; not-a-number gives 0.
double roundSymmetric(double x, int64_t digits) {
    if (std::isnan(x)) return 0;
    return x < 0 ? -roundPositive(-x, digits) : roundPositive(x, digits);
}

// The digits are evaluated before the value; failing digits count as 0.
MXExpressionPtr roundBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                             const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"round", arguments.size(), 1, 2, error)) return nullptr;
    int64_t digits = 0;
    if (arguments.size() == 2) {
        const std::optional<MXNumber> digitsValue = library.evaluateArgument(arguments[1], substitutions, error);
        if (digitsValue) digits = digitsValue->integerValue();
    }
    const std::optional<MXNumber> value = library.evaluateArgument(arguments[0], substitutions, error);
    if (!value) return nullptr;
    return doubleResult(roundSymmetric(value->doubleValue(), digits));
}

}  // namespace

MXBuiltinEntries roundingBuiltins() {
    return {
        unaryDoubleEntry<u"ceil", [](double x) { return std::ceil(x); }>(),
        unaryDoubleEntry<u"floor", [](double x) { return std::floor(x); }>(),
        exactEntry<u"abs", 1, [](const MXNumbers& values) { return absoluteOf(values[0]); }>(),
        {u"round", &roundBuiltin},
    };
}

}  // namespace mxcalc::detail
