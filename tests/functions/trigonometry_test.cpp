// Euler's number, and the circular, hyperbolic and versed functions and their inverses, in
// both precisions and in radian and degree mode.
#include <cmath>
#include <numbers>

#include "tests/support/builtin_evaluation.h"

namespace {

using namespace builtins_test;

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

}  // namespace
