// The trigonometric families in radian and degree mode.
#include <cmath>
#include <numbers>

#include "tests/functions/builtins_support.h"

namespace {

using namespace builtins_test;
constexpr double pi = std::numbers::pi;

TEST(DoubleCircular, ComputesInRadiansAndFlushesNoiseToZero) {
    const ValueCase cases[] = {
        {u"sin(pi)", Double, 0}, {u"sin(pi/6)", Double, 0.5, 1e-15}, {u"sin(1e-16)", Double, 0},
        {u"sin(2e-15)", Double, 2e-15}, {u"cos(pi_2)", Double, 0}, {u"tan(pi)", Double, 0},
        {u"tan(pi_4)", Double, 1, 1e-15}, {u"csc(pi_2)", Double, 1}, {u"sec(0)", Double, 1},
        {u"cotan(pi_4)", Double, 1, 1e-15}, {u"asin(1)", Double, pi / 2}, {u"acos(-1)", Double, pi},
        {u"atan(1)", Double, pi / 4}, {u"asin(2)", Double, notANumber}, {u"acsc(2)", Double, pi / 6, 1e-15},
        {u"asec(2)", Double, pi / 3, 1e-15}, {u"acotan(-1)", Double, 3 * pi / 4}, {u"acotan(0)", Double, pi / 2},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleCircular, TangentAtThePoleIsTheDecimalNotANumber) {
    const ValueCase cases[] = {
        {u"tan(pi_2)", Decimal, notANumber}, {u"tan(-pi_2)", Decimal, notANumber},
        // Odd multiples beyond the first stay large and finite.
        {u"tan(3*pi_2)", Double, std::tan(3 * pi / 2)},
    };
    for (const auto& c : cases) expectValue(c);
    EXPECT_GT(std::fabs(evaluate(u"tan(3*pi_2)").number->doubleValue()), 1e15);
    EXPECT_EQ(evaluate(u"tan(pi_2)").number->description(), u"NaN");
}

TEST(DoubleHyperbolic, ComputesInRadians) {
    const ValueCase cases[] = {
        {u"sinh(0)", Double, 0}, {u"cosh(0)", Double, 1}, {u"tanh(40)", Double, 1}, {u"asinh(0)", Double, 0},
        {u"acosh(1)", Double, 0}, {u"atanh(0.5)", Double, 0.5493061443340549, 1e-15},
        {u"csch(1)", Double, 0.8509181282393216, 1e-15}, {u"sech(0)", Double, 1},
        {u"cotanh(1)", Double, 1.3130352854993312, 1e-15}, {u"acsch(1)", Double, 0.881373587019543, 1e-15},
        {u"asech(1)", Double, 0}, {u"acotanh(2)", Double, 0.5493061443340549, 1e-15}, {u"atanh(1)", Double, infinity},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleVersines, ComputeInRadiansThroughTheirAliasesToo) {
    const ValueCase cases[] = {
        {u"versin(pi)", Double, 2}, {u"vers(pi)", Double, 2}, {u"vercosin(0)", Double, 2}, {u"vercos(pi)", Double, 0},
        {u"coversin(pi_2)", Double, 0}, {u"cvs(0)", Double, 1}, {u"covercosin(pi_2)", Double, 2},
        {u"haversin(pi)", Double, 1}, {u"havercosin(0)", Double, 1}, {u"hacoversin(pi_2)", Double, 0},
        {u"hacovercosin(pi_2)", Double, 1}, {u"exsec(0)", Double, 0}, {u"excsc(pi_2)", Double, 0},
        {u"crd(pi)", Double, 2},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleTrigonometryInDegrees, ArgumentsAreDegreesAndInverseResultsToo) {
    const ValueCase cases[] = {
        {u"sin(180)", Double, 0}, {u"sin(30)", Double, 0.5, 1e-15}, {u"cos(90)", Double, 0},
        {u"cos(pi)", Double, std::cos(pi / 180 * pi)}, {u"tan(90)", Decimal, notANumber}, {u"asin(1)", Double, 90},
        {u"atan(1)", Double, 45}, {u"acsc(2)", Double, 30, 1e-12}, {u"acotan(-1)", Double, 135},
        {u"crd(180)", Double, 2}, {u"sinh(1)", Double, std::sinh(pi / 180), 1e-17},
        {u"cosh(180)", Double, std::cosh(pi)}, {u"asinh(1)", Double, std::asinh(1.0) / pi * 180, 1e-12},
        // Conversions outside the trigonometric functions ignore the mode.
        {u"dtor(180)", Double, pi}, {u"rtod(pi)", Double, 180},
    };
    for (const auto& c : cases) expectValue(c, Degrees);
}

TEST(DoubleTrigonometryInDegrees, AnArgumentAlreadyInRadiansIsNotConvertedTwice) {
    for (const char16_t* text : {u"sin(dtor(30))", u"sin(30°)", u"sin(30º)"}) {
        SCOPED_TRACE(MXToUtf8(text));
        const auto converted = evaluate(text, Degrees);
        const auto plain = evaluate(u"sin(30)", Degrees);
        ASSERT_TRUE(converted.number.has_value());
        EXPECT_EQ(converted.number->doubleValue(), plain.number->doubleValue());
    }
    EXPECT_NEAR(evaluate(u"sin(30°)").number->doubleValue(), 0.5, 1e-15);
}

}  // namespace
