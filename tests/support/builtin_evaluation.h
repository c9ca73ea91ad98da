#pragma once
// Evaluating texts through a fresh evaluator in either precision and angle mode, and
// checking the number, its kind and value, or its decimal digits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tests/support/decimal_agreement.h"
#include "tests/support/evaluation_outcome.h"

namespace builtins_test {

using evaluator_test::Outcome;
using evaluator_test::utf8;
inline constexpr auto Double = MXNumberKind::Double;
inline constexpr auto Int64 = MXNumberKind::Int64;
inline constexpr auto UInt64 = MXNumberKind::UInt64;
inline constexpr auto Int32 = MXNumberKind::Int32;
inline constexpr auto Decimal = MXNumberKind::Decimal;
inline constexpr auto Radians = MXAngleMeasurementModeRadians;
inline constexpr auto Degrees = MXAngleMeasurementModeDegrees;
inline const double infinity = std::numeric_limits<double>::infinity();
inline const double notANumber = std::numeric_limits<double>::quiet_NaN();

// The stored values every evaluator of evaluate() gets; none unless a test sets them.
inline std::shared_ptr<MXStoredValues>& storedValuesOfEvaluators() {
    static std::shared_ptr<MXStoredValues> values;
    return values;
}

// `precise`: with high precision on.
inline Outcome evaluate(std::u16string_view text, bool precise = false, MXAngleMeasurementMode mode = Radians) {
    MXMathEvaluator evaluator;
    evaluator.setStoredValues(storedValuesOfEvaluators());
    evaluator.setAngleMeasurementMode(mode);
    evaluator.setUsesHighPrecisionEvaluation(precise);
    return evaluator_test::evaluateText(evaluator, text);
}

// actual is expected, within tolerance when that is not 0; not-a-number matches not-a-number.
inline void expectDouble(double actual, double expected, double tolerance = 0) {
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << actual;
    } else if (tolerance == 0) {
        EXPECT_EQ(actual, expected);
    } else {
        EXPECT_NEAR(actual, expected, tolerance);
    }
}

// A text, the kind of number it gives and its value, compared as expectDouble does.
struct ValueCase {
    std::u16string text;
    MXNumberKind kind;
    double value;
    double tolerance = 0;
};

inline void expectValue(const ValueCase& c, bool precise = false, MXAngleMeasurementMode mode = Radians) {
    SCOPED_TRACE(utf8(c.text) + (precise ? " (decimal)" : ""));
    const Outcome outcome = evaluate(c.text, precise, mode);
    ASSERT_TRUE(outcome.value.has_value()) << utf8(outcome.error.localizedDescription());
    EXPECT_EQ(outcome.value->kind(), c.kind);
    expectDouble(outcome.value->doubleValue(), c.value, c.tolerance);
}

// With high precision on, `text` gives the decimal `expected` ("NaN": not-a-number) to
// `digits` significant digits (kExactDigits: the very same record).
inline void expectDecimal(std::u16string_view text, const char* expected, double digits = decimal_test::kExactDigits,
                          MXAngleMeasurementMode mode = Radians) {
    SCOPED_TRACE(utf8(std::u16string(text)));
    const Outcome outcome = evaluate(text, true, mode);
    ASSERT_TRUE(outcome.value.has_value()) << utf8(outcome.error.localizedDescription());
    EXPECT_EQ(outcome.value->kind(), Decimal);
    const MXDecimalRecord actual = outcome.value->decimalValue();
    if (digits >= decimal_test::kExactDigits) {
        EXPECT_EQ(decimal_test::text(actual), decimal_test::text(decimal_test::D(expected)));
    } else {
        EXPECT_GE(decimal_test::agreedDigits(actual, decimal_test::D(expected)), digits) << decimal_test::text(actual);
    }
}

// A text evaluated in both precisions: the double it gives (none: not checked) and the text of
// the decimal it gives with high precision on (nullptr: not checked). With a tolerance the double
// may differ by that much and the decimal may lose its last two digits.
struct BothCase {
    std::u16string text;
    std::optional<double> value;
    const char* decimal;
    double tolerance = 0;
};

inline void expectBoth(const BothCase& c, MXAngleMeasurementMode mode = Radians) {
    if (c.value) expectValue({c.text, Double, *c.value, c.tolerance}, false, mode);
    if (c.decimal) expectDecimal(c.text, c.decimal, c.tolerance == 0 ? decimal_test::kExactDigits : 36, mode);
}

}  // namespace builtins_test
