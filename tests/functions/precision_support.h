#pragma once
// Evaluating texts with high precision on, and checking decimal results digit by digit.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "tests/functions/builtins_support.h"
#include "tests/functions/decimal_support.h"

namespace precision_test {

using builtins_test::Outcome;
using builtins_test::ValueCase;
using decimal_test::kExactDigits;

inline Outcome evaluatePrecise(std::u16string_view text, MXAngleMeasurementMode mode = MXAngleMeasurementModeRadians) {
    return builtins_test::evaluate(text, mode, true);
}

// A text, the decimal number it gives, and how many significant digits it must share with
// it (kExactDigits: the very same record; "NaN": the not-a-number decimal).
struct DecimalCase {
    std::u16string text;
    const char* expected;
    double digits = kExactDigits;
};

inline void expectDecimal(const DecimalCase& c, MXAngleMeasurementMode mode = MXAngleMeasurementModeRadians) {
    SCOPED_TRACE(MXToUtf8(c.text));
    const Outcome outcome = evaluatePrecise(c.text, mode);
    ASSERT_TRUE(outcome.number.has_value()) << MXToUtf8(outcome.error.localizedDescription());
    EXPECT_EQ(outcome.number->kind(), MXNumberKind::Decimal);
    const MXDecimalRecord actual = outcome.number->decimalValue();
    const MXDecimalRecord expected = decimal_test::D(c.expected);
    if (c.digits >= kExactDigits) {
        EXPECT_EQ(decimal_test::text(actual), decimal_test::text(expected));
    } else {
        EXPECT_GE(decimal_test::agreedDigits(actual, expected), c.digits) << decimal_test::text(actual);
    }
}

inline void expectDecimals(std::initializer_list<DecimalCase> cases,
                           MXAngleMeasurementMode mode = MXAngleMeasurementModeRadians) {
    for (const DecimalCase& c : cases) expectDecimal(c, mode);
}

// A result that is no decimal: its kind and double value.
inline void expectNumber(const ValueCase& c, MXAngleMeasurementMode mode = MXAngleMeasurementModeRadians) {
    builtins_test::expectValue(c, mode, true);
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

inline void expectBoth(const BothCase& c, MXAngleMeasurementMode mode = MXAngleMeasurementModeRadians) {
    if (c.value) builtins_test::expectValue({c.text, MXNumberKind::Double, *c.value, c.tolerance}, mode);
    if (c.decimal) expectDecimal({c.text, c.decimal, c.tolerance == 0 ? kExactDigits : 36}, mode);
}

}  // namespace precision_test
