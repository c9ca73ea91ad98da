// The circular and hyperbolic families, their inverses and the versed functions with high
// precision on, in radian and degree mode.
#include <cmath>

#include "functions/decimal/MXDecimalMath.h"
#include "functions/library/MXFunctionEvaluator.h"
#include "tests/functions/precision_support.h"

namespace {

using namespace precision_test;
constexpr auto Degrees = MXAngleMeasurementModeDegrees;
constexpr double kAllButTheLast = 37;

// A built-in and the decimal function its result must match to the last digit or two.
struct WiringCase {
    const char16_t* text;
    MXDecimalRecord (*function)(MXDecimalRecord);
    const char* argument;
};

TEST(PreciseTrigonometry, EachBuiltinComputesWithItsDecimalFunction) {
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

// sin, cos and tan flush noise below 1e-35 to zero; tan at its pole is not-a-number, not a
// flushed zero; the reciprocals are not flushed.
TEST(PreciseTrigonometry, ExactValuesFlushedNoiseAndTheEndsOfTheDomains) {
    expectDecimals({
        {u"sin(pi())", "0"}, {u"sin(-pi())", "0"}, {u"cos(pi_2())", "0"}, {u"tan(pi())", "0"},
        {u"sin(1e-30)", "1e-30"}, {u"tan(pi_2())", "NaN"}, {u"tan(-pi_2())", "NaN"}, {u"tan(3*pi_2())", "NaN"},
        {u"sec(0)", "1"}, {u"asin(1)", "1.5707963267948966192313216916397514420985846996875529104874722961539"},
        {u"asin(1.5)", "NaN"}, {u"sinh(0)", "0"}, {u"atanh(1.5)", "NaN"}, {u"acosh(1)", "0"}, {u"asech(1)", "0"},
    });
    const Outcome csc = evaluatePrecise(u"csc(pi())");
    ASSERT_TRUE(csc.number.has_value());
    EXPECT_EQ(csc.number->kind(), MXNumberKind::Decimal);
    EXPECT_GT(std::fabs(csc.number->doubleValue()), 1e30);
}

TEST(PreciseVersines, ComputeFromTheDecimalSineAndCosine) {
    expectDecimals({
        {u"versin(0)", "0"}, {u"vercosin(0)", "2"}, {u"coversin(0)", "1"}, {u"covercosin(0)", "1"},
        {u"haversin(0)", "0"}, {u"havercosin(0)", "1"}, {u"hacoversin(0)", "0.5"}, {u"hacovercosin(0)", "0.5"},
        {u"exsec(0)", "0"}, {u"crd(pi())", "2", kAllButTheLast},
        {u"ver(1)", "0.45969769413186028259906339255702339626768957938208", 36},
        {u"hacovercosin(1)", "0.92073549240394825332625116081514949981128153039919", 37},
        {u"chord(1)", "0.958851077208406000546575870431142776163606735881201350377233", kAllButTheLast},
    });
    // Zeros that these functions do not flush: what is left is below the last digit of 1.
    for (const char16_t* text : {u"vercos(pi())", u"excsc(pi_2())", u"coversin(pi_2())"}) {
        SCOPED_TRACE(MXToUtf8(text));
        const Outcome outcome = evaluatePrecise(text);
        ASSERT_TRUE(outcome.number.has_value());
        EXPECT_EQ(outcome.number->kind(), MXNumberKind::Decimal);
        EXPECT_LT(std::fabs(outcome.number->doubleValue()), 1e-36);
    }
}

TEST(PreciseDegrees, ConvertAnglesInAndOut) {
    expectDecimals(
        {
            {u"sin(30)", "0.5", kAllButTheLast}, {u"sin(dtor(30))", "0.5", kAllButTheLast}, {u"sin(180)", "0"},
            {u"cos(1)", "0.99984769515639123915701155881391485169274031058319", kAllButTheLast},
            {u"asin(1)", "90", kAllButTheLast}, {u"atan(1)", "45", 36},
            {u"sinh(1)", "0.017454178629595111183148190548771832775238808246107", kAllButTheLast},
            {u"asinh(1)", "50.498986710526211442214763004171572352798518216529", 36},
            {u"crd(180)", "2", kAllButTheLast}, {u"tan(90)", "NaN"}, {u"tan(-90)", "NaN"}, {u"tan(270)", "NaN"},
        },
        Degrees);
    expectNumber({u"acosh(1)", MXNumberKind::Decimal, 0}, Degrees);
}

TEST(PreciseDegrees, AnInverseReturnsTheUnevaluatedConversionOfItsRadians) {
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
