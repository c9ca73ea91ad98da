// The circular, hyperbolic and versed functions and their inverses in both precisions, in
// radian and degree mode.
#include <cmath>
#include <numbers>

#include "tests/support/builtin_evaluation.h"

namespace {

using namespace builtins_test;
constexpr double pi = std::numbers::pi;

// The double and the decimal library compute each function independently: their results
// agree to the doubles' precision, in both angle modes.
TEST(Trigonometry, BothPrecisionsAgreeOnEveryFunction) {
    const char16_t* const texts[] = {
        u"sin(1)", u"cos(1)", u"tan(1)", u"csc(1)", u"sec(1)", u"cotan(1)", u"asin(0.5)", u"acos(0.5)",
        u"atan(2)", u"acsc(2)", u"asec(2)", u"acotan(-2)", u"sinh(1.5)", u"cosh(1.5)", u"tanh(0.5)", u"csch(1)",
        u"sech(1)", u"cotanh(1)", u"asinh(2)", u"acosh(2)", u"atanh(0.5)", u"acsch(0.5)", u"asech(0.5)",
        u"acotanh(2)", u"versin(1)", u"vercosin(1)", u"coversin(1)", u"covercosin(1)", u"haversin(1)",
        u"havercosin(1)", u"hacoversin(1)", u"hacovercosin(1)", u"exsec(1)", u"excsc(1)", u"crd(1)",
    };
    for (const auto mode : {Radians, Degrees}) {
        for (const char16_t* text : texts) {
            SCOPED_TRACE(utf8(text) + (mode == Degrees ? " in degrees" : ""));
            const Outcome inDoubles = evaluate(text, false, mode);
            const Outcome inDecimals = evaluate(text, true, mode);
            ASSERT_TRUE(inDoubles.value && inDecimals.value);
            EXPECT_EQ(inDoubles.value->kind(), Double);
            EXPECT_EQ(inDecimals.value->kind(), Decimal);
            const double value = inDoubles.value->doubleValue();
            EXPECT_NEAR(inDecimals.value->doubleValue(), value, std::fabs(value) * 1e-11);
        }
    }
}

// sin, cos and tan flush noise to zero (below 1e-15 in doubles, 1e-35 in decimals); the
// reciprocals and versed functions do not. Exact values and the ends of each domain.
TEST(Trigonometry, FlushesExactValuesAndDomainsInBothPrecisions) {
    const BothCase cases[] = {
        {u"sin(pi)", 0, "0"}, {u"cos(pi_2)", 0, "0"}, {u"tan(pi)", 0, "0"}, {u"sin(1e-16)", 0, nullptr},
        {u"sin(2e-15)", 2e-15, nullptr}, {u"sin(1e-30)", 0, "1e-30"}, {u"sin(pi/6)", 0.5, "0.5", 1e-15},
        {u"asin(1)", pi / 2, "1.5707963267948966192313216916397514421"}, {u"asin(1.5)", notANumber, "NaN"},
        {u"acotan(0)", pi / 2, nullptr}, {u"tanh(40)", 1, nullptr}, {u"acosh(1)", 0, "0"}, {u"asech(1)", 0, "0"},
        {u"atanh(1)", infinity, nullptr}, {u"atanh(1.5)", {}, "NaN"}, {u"vercosin(0)", 2, "2"},
        {u"coversin(0)", 1, "1"}, {u"covercosin(0)", {}, "1"}, {u"haversin(0)", {}, "0"}, {u"hacoversin(0)", {}, "0.5"},
        {u"exsec(0)", 0, "0"}, {u"crd(pi)", 2, "2", 1e-15},
    };
    for (const auto& c : cases) expectBoth(c);
}

// Arguments are degrees and inverse results too, unless the argument is already in radians;
// conversions outside the trigonometric functions ignore the mode.
TEST(Trigonometry, ComputesInDegreesInBothPrecisions) {
    const BothCase cases[] = {
        {u"sin(180)", 0, "0"}, {u"sin(30)", 0.5, "0.5", 1e-15}, {u"sin(dtor(30))", 0.5, "0.5", 1e-15},
        {u"sin(30°)", 0.5, nullptr, 1e-15}, {u"sin(30º)", 0.5, nullptr, 1e-15}, {u"cos(pi)", std::cos(pi / 180 * pi), nullptr},
        {u"asin(1)", 90, "90", 1e-15}, {u"acotan(-1)", 135, nullptr}, {u"crd(180)", 2, "2", 1e-15},
        {u"dtor(180)", pi, nullptr}, {u"rtod(pi)", 180, nullptr},
    };
    for (const auto& c : cases) expectBoth(c, Degrees);
    expectValue({u"acosh(1)", Decimal, 0}, true, Degrees);
    expectBoth({u"sin(30°)", 0.5, nullptr, 1e-15});
}

// At the pole tan gives the decimal not-a-number in both precisions; odd multiples beyond the
// first are large and finite in doubles.
TEST(Trigonometry, TangentAtThePoleIsTheDecimalNotANumber) {
    for (const char16_t* text : {u"tan(pi_2)", u"tan(-pi_2)"}) {
        expectValue({text, Decimal, notANumber});
        expectDecimal(text, "NaN");
    }
    EXPECT_EQ(evaluate(u"tan(pi_2)").value->description(), u"NaN");
    EXPECT_GT(std::fabs(evaluate(u"tan(3*pi_2)").value->doubleValue()), 1e15);
    expectDecimal(u"tan(3*pi_2)", "NaN");
    expectValue({u"tan(90)", Decimal, notANumber}, false, Degrees);
    for (const char16_t* text : {u"tan(-90)", u"tan(270)"}) expectDecimal(text, "NaN", decimal_test::kExactDigits, Degrees);
}

// Zeros that are not flushed: what is left is below the last digit of 1.
TEST(Trigonometry, ReciprocalsAndVersedFunctionsAreNotFlushed) {
    const Outcome csc = evaluate(u"csc(pi())", true);
    ASSERT_TRUE(csc.value.has_value());
    EXPECT_GT(std::fabs(csc.value->doubleValue()), 1e30);
    for (const char16_t* text : {u"vercos(pi())", u"excsc(pi_2())", u"coversin(pi_2())"}) {
        SCOPED_TRACE(utf8(text));
        const Outcome outcome = evaluate(text, true);
        ASSERT_TRUE(outcome.value.has_value());
        EXPECT_EQ(outcome.value->kind(), Decimal);
        EXPECT_LT(std::fabs(outcome.value->doubleValue()), 1e-36);
    }
}

}  // namespace
