// The constants, the angle conversions, and the circular, hyperbolic and versed functions and
// their inverses, in both precisions and in radian and degree mode.
#include <cmath>
#include <numbers>

#include "tests/support/builtin_evaluation.h"

namespace {

using namespace builtins_test;
constexpr double pi = std::numbers::pi;

TEST(Constants, AreTheNearestDoublesOrCarry38Digits) {
    using namespace std::numbers;
    const struct {
        const char16_t* text;
        MXDecimalRecord (*decimal)();
        double value;
    } cases[] = {
        {u"phi()", MXDecimalPhi, phi},         {u"pi()", MXDecimalPi, pi},       {u"pi_2()", MXDecimalPi_2, pi / 2},
        {u"pi_4()", MXDecimalPi_4, pi / 4},    {u"tau()", MXDecimal2Pi, 2 * pi}, {u"sqrt2()", MXDecimalSqrt2, sqrt2},
        {u"log2e()", MXDecimalLog2e, log2e},   {u"log10e()", MXDecimalLog10e, log10e},
        {u"ln2()", MXDecimalLn2, ln2},         {u"ln10()", MXDecimalLn10, ln10}, {u"π", MXDecimalPi, pi},
    };
    for (const auto& c : cases) expectBoth({c.text, c.value, decimal_test::text(c.decimal()).c_str()});
}

// "e" is the constant only as an operand of a power, in any case.
TEST(Constants, EulersNumberOnlyInAPower) {
    const BothCase cases[] = {
        {u"e^2", 7.3890560989306495, "7.3890560989306502272304274605750078131803155705518", 1e-15},
        {u"2^e", std::pow(2.0, std::numbers::e), nullptr}, {u"E^1", std::numbers::e, nullptr},
        {u"pow(e;1)", std::numbers::e, "2.7182818284590452353602874713526624978"},
    };
    for (const auto& c : cases) expectBoth(c);
    for (const bool precise : {false, true}) {
        for (const char16_t* text : {u"e", u"e()+1", u"2*e", u"sqrt(e)^2"}) {
            evaluator_test::expectError(evaluate(text, precise), MXErrorCodeUnresolvedFunction,
                                        u"unable to resolve function: e", utf8(text));
        }
    }
}

// Minutes and seconds join the degrees; a failing part counts as 0.
TEST(Conversions, DegreesMinutesSecondsAndBackInBothPrecisions) {
    const BothCase cases[] = {
        {u"dtor(180)", pi, "3.1415926535897932384626433832795028842"}, {u"90°", pi / 2, nullptr},
        {u"dtor(30;30)", 30.5 / 180 * pi, "0.53232542185827052096172568438902687760007592600523", 1e-15},
        {u"dtor(1;30;36)", (1 + 30.0 / 60 + 36.0 / 3600) / 180 * pi, nullptr},
        {u"dtor(0;0;3600)", 1.0 / 180 * pi, "0.017453292519943295769236907684886127134428718885417", 1e-15},
        {u"dtor($d;$m;$s)", 0, nullptr}, {u"rtod(pi)", 180, "180"}, {u"rtod(dtor(45))", 45, "45", 1e-15},
    };
    for (const auto& c : cases) expectBoth(c);
}

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
        {u"sin(30°)", 0.5, nullptr, 1e-15}, {u"sin(30º)", 0.5, nullptr, 1e-15},
        {u"cos(pi)", std::cos(pi / 180 * pi), nullptr},
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
    for (const char16_t* text : {u"tan(-90)", u"tan(270)"}) {
        expectDecimal(text, "NaN", decimal_test::kExactDigits, Degrees);
    }
}

// Zeros that are not flushed: what is left is below the last digit of 1.
TEST(Trigonometry, ReciprocalsAndVersedFunctionsAreNotFlushed) {
    const Outcome csc = evaluate(u"csc(pi())", true);
    ASSERT_TRUE(csc.value.has_value());
    EXPECT_GT(std::fabs(csc.value->doubleValue()), 1e30);
    for (const char16_t* text : {u"vercos(pi())", u"excsc(pi_2())", u"coversin(pi_2())"}) {
        expectValue({text, Decimal, 0, 1e-36}, true);
    }
}

}  // namespace
