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

TEST(PreciseCircular, SinCosAndTanFlushNoiseBelow1e35ToZero) {
    expectDecimals({
        {u"sin(pi())", "0"},
        {u"sin(-pi())", "0"},
        {u"cos(pi_2())", "0"},
        {u"tan(pi())", "0"},
        {u"sin(0)", "0"},
        {u"sin(1e-30)", "1e-30"},
        {u"sin(pi()/6)", "0.5", kAllButTheLast},
        {u"sin(1)", "0.84147098480789650665250232163029899962256306079837", kAllButTheLast},
        {u"cos(1)", "0.54030230586813971740093660744297660373231042061792", kAllButTheLast},
        {u"tan(1)", "1.5574077246549022305069748074583601730872507723815", 36},
        {u"tan(pi_4())", "1", kAllButTheLast},
        {u"cos(pi())", "-1", kAllButTheLast},
        {u"sin(0.5)+cos(0.25)", "1.448337960314847784417883384709760587885937558228", kAllButTheLast},
    });
}

TEST(PreciseCircular, TangentAtItsPoleIsNotANumberNotAFlushedZero) {
    expectDecimals({{u"tan(pi_2())", "NaN"}, {u"tan(-pi_2())", "NaN"}, {u"tan(3*pi_2())", "NaN"}});
    expectDecimals({{u"tan(90)", "NaN"}, {u"tan(-90)", "NaN"}, {u"tan(270)", "NaN"}}, Degrees);
}

TEST(PreciseCircular, ReciprocalsAreNotFlushed) {
    expectDecimals({
        {u"csc(1)", "1.188395105778121216261599452374551003527829834098", 36},
        {u"sec(1)", "1.850815717680925617911753241398650193470396655094", 36},
        {u"cotan(1)", "0.64209261593433070300641998659426562023027811391817", 36},
        {u"sec(0)", "1"},
    });
    const Outcome csc = evaluatePrecise(u"csc(pi())");
    ASSERT_TRUE(csc.number.has_value());
    EXPECT_EQ(csc.number->kind(), MXNumberKind::Decimal);
    EXPECT_FALSE(csc.number->decimalValue().isZero());
    EXPECT_GT(std::fabs(csc.number->doubleValue()), 1e30);
}

TEST(PreciseCircular, InversesAreAccurateOverTheirDomain) {
    expectDecimals({
        {u"asin(1)", "1.5707963267948966192313216916397514420985846996875529104874722961539082031431044993"},
        {u"asin(0.5)", "0.52359877559829887307710723054658381403286156656252", kAllButTheLast},
        {u"acos(0.5)", "1.047197551196597746154214461093167628065723133125", kAllButTheLast},
        {u"atan(1)", "0.78539816339744830961566084581987572104929234984378", 36},
        {u"acotan(2)", "0.46364760900080611621425623146121440202853705428612", 36},
        {u"asec(2)", "1.047197551196597746154214461093167628065723133125", 36},
        {u"acsc(2)", "0.52359877559829887307710723054658381403286156656252", 36},
        {u"asin(1.5)", "NaN"},
    });
}

TEST(PreciseHyperbolic, AreAccurateOverTheirDomain) {
    expectDecimals({
        {u"sinh(0)", "0"},
        {u"cosh(0)", "1"},
        {u"cosh(5)", "74.209948524787844444106108044487714023868258589453", 36},
        {u"tanh(1)", "0.76159415595576488811945828260479359041276859725794", 36},
        {u"csch(1)", "0.85091812823932154513384276328717528418172466091034", 36},
        {u"sech(1)", "0.64805427366388539957497735322615032310848931207194", 36},
        {u"cotanh(1)", "1.3130352854993313036361612469308478329120139412405", 36},
        {u"asinh(2)", "1.443635475178810342493276740273105269405553003157", 36},
        {u"acsch(0.5)", "1.443635475178810342493276740273105269405553003157", 36},
        {u"atanh(0.5)", "0.54930614433405484569762261846126285232374527891137", 36},
        {u"acotanh(2)", "0.54930614433405484569762261846126285232374527891137", 36},
        {u"atanh(1.5)", "NaN"},
        // acosh and asech go through doubles.
        {u"acosh(1)", "0"},
        {u"asech(1)", "0"},
    });
    const Outcome acosh = evaluatePrecise(u"acosh(2)");
    ASSERT_TRUE(acosh.number.has_value());
    EXPECT_EQ(acosh.number->doubleValue(), std::acosh(decimal_test::atRunTime(2.0)));
}

TEST(PreciseVersines, ComputeFromTheDecimalSineAndCosine) {
    const DecimalCase cases[] = {
        {u"versin(0)", "0"},
        {u"vercosin(0)", "2"},
        {u"coversin(0)", "1"},
        {u"covercosin(0)", "1"},
        {u"haversin(0)", "0"},
        {u"havercosin(0)", "1"},
        {u"hacoversin(0)", "0.5"},
        {u"hacovercosin(0)", "0.5"},
        {u"exsec(0)", "0"},
        {u"ver(1)", "0.45969769413186028259906339255702339626768957938208", 36},
        {u"hacovercosin(1)", "0.92073549240394825332625116081514949981128153039919", 37},
    };
    for (const auto& c : cases) expectDecimal(c);
    expectDecimals({
        {u"versin(pi())", "2", kAllButTheLast},
        {u"haversin(pi())", "1", kAllButTheLast},
        {u"crd(pi())", "2", kAllButTheLast},
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
            {u"sin(30)", "0.5", kAllButTheLast},
            {u"sin(dtor(30))", "0.5", kAllButTheLast},
            {u"sin(180)", "0"},
            {u"cos(90)", "0"},
            {u"cos(1)", "0.99984769515639123915701155881391485169274031058319", kAllButTheLast},
            {u"asin(1)", "90", kAllButTheLast},
            {u"acos(-1)", "180", kAllButTheLast},
            {u"atan(1)", "45", 36},
            {u"sinh(1)", "0.017454178629595111183148190548771832775238808246107", kAllButTheLast},
            {u"asinh(1)", "50.498986710526211442214763004171572352798518216529", 36},
            {u"haversin(180)", "1", kAllButTheLast},
            {u"crd(180)", "2", kAllButTheLast},
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
