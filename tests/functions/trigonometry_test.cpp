// The circular, hyperbolic and versed functions and their inverses in both precisions, in
// radian and degree mode.
#include <cmath>
#include <numbers>

#include "functions/decimal/MXDecimalMath.h"
#include "functions/library/MXFunctionEvaluator.h"
#include "tests/functions/precision_support.h"

namespace {

using namespace builtins_test;
using precision_test::BothCase;
using precision_test::expectBoth;
using precision_test::expectDecimal;
using precision_test::evaluatePrecise;
constexpr double pi = std::numbers::pi;

// sin, cos and tan flush noise to zero (below 1e-15 in doubles, 1e-35 in decimals); the
// reciprocals and versed functions do not.
TEST(Trigonometry, ComputesInRadiansInBothPrecisions) {
    const BothCase cases[] = {
        {u"sin(pi)", 0, "0"}, {u"sin(-pi)", 0, "0"}, {u"cos(pi_2)", 0, "0"}, {u"tan(pi)", 0, "0"},
        {u"sin(pi/6)", 0.5, "0.5", 1e-15}, {u"sin(1e-16)", 0, nullptr}, {u"sin(2e-15)", 2e-15, nullptr},
        {u"sin(1e-30)", 0, "1e-30"}, {u"tan(pi_4)", 1, "1", 1e-15}, {u"csc(pi_2)", 1, nullptr}, {u"sec(0)", 1, "1"},
        {u"cotan(pi_4)", 1, nullptr, 1e-15}, {u"asin(1)", pi / 2, "1.5707963267948966192313216916397514421"},
        {u"acos(-1)", pi, nullptr}, {u"atan(1)", pi / 4, nullptr}, {u"asin(1.5)", notANumber, "NaN"},
        {u"acsc(2)", pi / 6, nullptr, 1e-15}, {u"asec(2)", pi / 3, nullptr, 1e-15},
        {u"acotan(-1)", 3 * pi / 4, nullptr}, {u"acotan(0)", pi / 2, nullptr},
        {u"sinh(0)", 0, "0"}, {u"cosh(0)", 1, nullptr}, {u"tanh(40)", 1, nullptr}, {u"asinh(0)", 0, nullptr},
        {u"acosh(1)", 0, "0"}, {u"atanh(0.5)", 0.5493061443340549, nullptr, 1e-15}, {u"atanh(1.5)", {}, "NaN"},
        {u"csch(1)", 0.8509181282393216, nullptr, 1e-15}, {u"sech(0)", 1, nullptr},
        {u"cotanh(1)", 1.3130352854993312, nullptr, 1e-15}, {u"acsch(1)", 0.881373587019543, nullptr, 1e-15},
        {u"asech(1)", 0, "0"}, {u"acotanh(2)", 0.5493061443340549, nullptr, 1e-15}, {u"atanh(1)", infinity, nullptr},
        // The versed functions, through their aliases too.
        {u"versin(pi)", 2, nullptr}, {u"vers(pi)", 2, nullptr}, {u"vercosin(0)", 2, "2"}, {u"vercos(pi)", 0, nullptr},
        {u"coversin(pi_2)", 0, nullptr}, {u"cvs(0)", 1, "1"}, {u"covercosin(pi_2)", 2, nullptr},
        {u"covercosin(0)", {}, "1"}, {u"haversin(pi)", 1, nullptr}, {u"haversin(0)", {}, "0"},
        {u"havercosin(0)", 1, "1"}, {u"hacoversin(pi_2)", 0, nullptr}, {u"hacoversin(0)", {}, "0.5"},
        {u"hacovercosin(pi_2)", 1, nullptr}, {u"hacovercosin(0)", {}, "0.5"}, {u"exsec(0)", 0, "0"},
        {u"excsc(pi_2)", 0, nullptr}, {u"crd(pi)", 2, "2", 1e-15},
        {u"ver(1)", {}, "0.45969769413186028259906339255702339626768957938208", 1e-15},
        {u"hacovercosin(1)", {}, "0.92073549240394825332625116081514949981128153039919", 1e-15},
        {u"chord(1)", {}, "0.958851077208406000546575870431142776163606735881201350377233", 1e-15},
    };
    for (const auto& c : cases) expectBoth(c);
}

// Arguments are degrees and inverse results too; conversions outside the trigonometric
// functions ignore the mode.
TEST(Trigonometry, ComputesInDegreesInBothPrecisions) {
    const BothCase cases[] = {
        {u"sin(180)", 0, "0"}, {u"sin(30)", 0.5, "0.5", 1e-15}, {u"sin(dtor(30))", {}, "0.5", 1e-15},
        {u"cos(90)", 0, nullptr}, {u"cos(pi)", std::cos(pi / 180 * pi), nullptr},
        {u"cos(1)", {}, "0.99984769515639123915701155881391485169274031058319", 1e-15},
        {u"asin(1)", 90, "90", 1e-15}, {u"atan(1)", 45, "45", 1e-15}, {u"acsc(2)", 30, nullptr, 1e-12},
        {u"acotan(-1)", 135, nullptr}, {u"crd(180)", 2, "2", 1e-15},
        {u"sinh(1)", std::sinh(pi / 180), "0.017454178629595111183148190548771832775238808246107", 1e-17},
        {u"cosh(180)", std::cosh(pi), nullptr},
        {u"asinh(1)", std::asinh(1.0) / pi * 180, "50.498986710526211442214763004171572352798518216529", 1e-12},
        {u"dtor(180)", pi, nullptr}, {u"rtod(pi)", 180, nullptr},
    };
    for (const auto& c : cases) expectBoth(c, Degrees);
    precision_test::expectNumber({u"acosh(1)", Decimal, 0}, Degrees);
}

// At the pole tan gives the decimal not-a-number in both precisions; odd multiples beyond the
// first are large and finite in doubles.
TEST(Trigonometry, TangentAtThePoleIsTheDecimalNotANumber) {
    for (const char16_t* text : {u"tan(pi_2)", u"tan(-pi_2)"}) {
        expectValue({text, Decimal, notANumber});
        expectDecimal({text, "NaN"});
    }
    EXPECT_EQ(evaluate(u"tan(pi_2)").number->description(), u"NaN");
    expectValue({u"tan(3*pi_2)", Double, std::tan(3 * pi / 2)});
    EXPECT_GT(std::fabs(evaluate(u"tan(3*pi_2)").number->doubleValue()), 1e15);
    expectDecimal({u"tan(3*pi_2)", "NaN"});
    expectValue({u"tan(90)", Decimal, notANumber}, Degrees);
    for (const char16_t* text : {u"tan(90)", u"tan(-90)", u"tan(270)"}) expectDecimal({text, "NaN"}, Degrees);
}

// Zeros that are not flushed: what is left is below the last digit of 1.
TEST(Trigonometry, ReciprocalsAndVersedFunctionsAreNotFlushed) {
    const precision_test::Outcome csc = evaluatePrecise(u"csc(pi())");
    ASSERT_TRUE(csc.number.has_value());
    EXPECT_EQ(csc.number->kind(), Decimal);
    EXPECT_GT(std::fabs(csc.number->doubleValue()), 1e30);
    for (const char16_t* text : {u"vercos(pi())", u"excsc(pi_2())", u"coversin(pi_2())"}) {
        SCOPED_TRACE(MXToUtf8(text));
        const precision_test::Outcome outcome = evaluatePrecise(text);
        ASSERT_TRUE(outcome.number.has_value());
        EXPECT_EQ(outcome.number->kind(), Decimal);
        EXPECT_LT(std::fabs(outcome.number->doubleValue()), 1e-36);
    }
}

TEST(Trigonometry, AnArgumentAlreadyInRadiansIsNotConvertedTwice) {
    for (const char16_t* text : {u"sin(dtor(30))", u"sin(30°)", u"sin(30º)"}) {
        SCOPED_TRACE(MXToUtf8(text));
        const auto converted = evaluate(text, Degrees);
        ASSERT_TRUE(converted.number.has_value());
        EXPECT_EQ(converted.number->doubleValue(), evaluate(u"sin(30)", Degrees).number->doubleValue());
    }
    EXPECT_NEAR(evaluate(u"sin(30°)").number->doubleValue(), 0.5, 1e-15);
}
// A built-in and the decimal function its result must match to the last digit or two.
struct WiringCase {
    const char16_t* text;
    MXDecimalRecord (*function)(MXDecimalRecord);
    const char* argument;
};

TEST(Trigonometry, EachBuiltinComputesWithItsDecimalFunction) {
    const WiringCase cases[] = {
        {u"sin(1)", MXDecimalSin, "1"},          {u"cos(1)", MXDecimalCos, "1"},
        {u"tan(1)", MXDecimalTan, "1"},          {u"csc(1)", MXDecimalCsc, "1"},
        {u"sec(1)", MXDecimalSec, "1"},          {u"cotan(1)", MXDecimalCot, "1"},
        {u"acos(0.5)", MXDecimalAcos, "0.5"},    {u"atan(2)", MXDecimalAtan, "2"},
        {u"acotan(2)", MXDecimalAcot, "2"},      {u"asec(2)", MXDecimalAsec, "2"},
        {u"acsc(2)", MXDecimalAcsc, "2"},        {u"cosh(5)", MXDecimalCosh, "5"},
        {u"sinh(-2)", MXDecimalSinh, "-2"},      {u"tanh(1)", MXDecimalTanh, "1"},
        {u"csch(1)", MXDecimalCsch, "1"},        {u"sech(1)", MXDecimalSech, "1"},
        {u"cotanh(1)", MXDecimalCoth, "1"},      {u"asinh(2)", MXDecimalAsinh, "2"},
        {u"acsch(0.5)", MXDecimalAcsch, "0.5"},  {u"atanh(0.5)", MXDecimalAtanh, "0.5"},
        {u"acotanh(2)", MXDecimalAcoth, "2"},     {u"acosh(2)", MXDecimalAcosh, "2"},
        {u"asech(0.5)", MXDecimalAsech, "0.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(MXToUtf8(c.text));
        const Outcome outcome = evaluatePrecise(c.text);
        ASSERT_TRUE(outcome.number.has_value());
        ASSERT_EQ(outcome.number->kind(), MXNumberKind::Decimal);
        const MXDecimalRecord expected = c.function(decimal_test::D(c.argument));
        EXPECT_GE(decimal_test::agreedDigits(outcome.number->decimalValue(), expected), 36);
    }
}

TEST(Trigonometry, AnInverseReturnsTheUnevaluatedConversionOfItsRadians) {
    MXMathEvaluator evaluator;
    evaluator.setUsesHighPrecisionEvaluation(true);
    evaluator.setAngleMeasurementMode(Degrees);
    const MXExpressionPtr call = MXExpression::expressionFromString(u"asin(1)");
    ASSERT_TRUE(call);
    const MXExpressionPtr result = evaluator.functionEvaluator().evaluateFunction(call, nullptr, nullptr);
    ASSERT_TRUE(result);
    ASSERT_EQ(result->expressionType(), MXExpressionTypeFunction);
    EXPECT_EQ(result->function(), u"rtod");
    ASSERT_EQ(result->arguments().size(), 1u);
    const MXExpressionPtr radians = result->arguments()[0];
    ASSERT_EQ(radians->expressionType(), MXExpressionTypeNumber);
    ASSERT_TRUE(radians->number().has_value());
    EXPECT_TRUE(decimal_test::same(radians->number()->decimalValue(), MXDecimalPi_2()));
}

}  // namespace
