#pragma once
// Evaluating texts through a fresh evaluator and checking the number and its kind.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "engine/evaluator/MXMathEvaluator.h"
#include "platform/text/MXText.h"

namespace builtins_test {

inline constexpr auto Double = MXNumberKind::Double;
inline constexpr auto Int64 = MXNumberKind::Int64;
inline constexpr auto UInt64 = MXNumberKind::UInt64;
inline constexpr auto Int32 = MXNumberKind::Int32;
inline constexpr auto Decimal = MXNumberKind::Decimal;
inline constexpr auto Degrees = MXAngleMeasurementModeDegrees;
inline const double infinity = std::numeric_limits<double>::infinity();
inline const double notANumber = std::numeric_limits<double>::quiet_NaN();

struct Outcome {
    std::optional<MXNumber> number;
    MXError error;
};

inline Outcome evaluate(MXMathEvaluator& evaluator, std::u16string_view text) {
    Outcome outcome;
    outcome.number = evaluator.evaluateString(text, nullptr, &outcome.error);
    return outcome;
}

// The stored values every evaluator of evaluate() gets; none unless a test sets them.
inline std::shared_ptr<MXStoredValues>& storedValuesOfEvaluators() {
    static std::shared_ptr<MXStoredValues> values;
    return values;
}

// `precise`: with high precision on.
inline Outcome evaluate(std::u16string_view text, MXAngleMeasurementMode mode = MXAngleMeasurementModeRadians,
                        bool precise = false) {
    MXMathEvaluator evaluator;
    evaluator.setStoredValues(storedValuesOfEvaluators());
    evaluator.setAngleMeasurementMode(mode);
    evaluator.setUsesHighPrecisionEvaluation(precise);
    return evaluate(evaluator, text);
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

inline void expectValue(const ValueCase& c, MXAngleMeasurementMode mode = MXAngleMeasurementModeRadians,
                        bool precise = false) {
    SCOPED_TRACE(MXToUtf8(c.text));
    const Outcome outcome = evaluate(c.text, mode, precise);
    ASSERT_TRUE(outcome.number.has_value()) << MXToUtf8(outcome.error.localizedDescription());
    EXPECT_EQ(outcome.number->kind(), c.kind);
    expectDouble(outcome.number->doubleValue(), c.value, c.tolerance);
}

// A text that fails, with its error code and message.
struct FailureCase {
    std::u16string text;
    int64_t code;
    std::u16string message;
};

inline void expectFailure(const FailureCase& c, MXAngleMeasurementMode mode = MXAngleMeasurementModeRadians,
                          bool precise = false) {
    SCOPED_TRACE(MXToUtf8(c.text));
    const Outcome outcome = evaluate(c.text, mode, precise);
    EXPECT_FALSE(outcome.number.has_value());
    EXPECT_EQ(outcome.error.code(), c.code);
    EXPECT_EQ(MXToUtf8(outcome.error.localizedDescription()), MXToUtf8(c.message));
}

// Texts that all fail with the same error.
inline void expectFailures(std::initializer_list<const char16_t*> texts, int64_t code, std::u16string_view message,
                           MXAngleMeasurementMode mode = MXAngleMeasurementModeRadians, bool precise = false) {
    for (const char16_t* text : texts) expectFailure({text, code, std::u16string(message)}, mode, precise);
}

}  // namespace builtins_test
