// Constants, angle conversions, logarithms and the exponential.
#include <cmath>
#include <numbers>

#include "tests/functions/precision_support.h"

namespace {

using namespace builtins_test;
constexpr double pi = std::numbers::pi;

// A constant's text, its decimal with high precision on, and its nearest double otherwise.
struct ConstantCase {
    const char16_t* text;
    MXDecimalRecord (*decimal)();
    double value;
};

TEST(Constants, AreTheNearestDoublesOrCarry38Digits) {
    using namespace std::numbers;
    const ConstantCase cases[] = {
        {u"phi()", MXDecimalPhi, phi},         {u"pi()", MXDecimalPi, pi},       {u"pi_2()", MXDecimalPi_2, pi / 2},
        {u"pi_4()", MXDecimalPi_4, pi / 4},    {u"tau()", MXDecimal2Pi, 2 * pi}, {u"sqrt2()", MXDecimalSqrt2, sqrt2},
        {u"log2e()", MXDecimalLog2e, log2e},   {u"log10e()", MXDecimalLog10e, log10e},
        {u"ln2()", MXDecimalLn2, ln2},         {u"ln10()", MXDecimalLn10, ln10}, {u"π", MXDecimalPi, pi},
        {u"τ", MXDecimal2Pi, 2 * pi},          {u"ϕ", MXDecimalPhi, phi},
    };
    for (const auto& c : cases) {
        expectValue({c.text, Double, c.value});
        precision_test::expectDecimal({c.text, decimal_test::text(c.decimal()).c_str()});
    }
}

TEST(Conversions, DegreesMinutesSecondsAndBackInBothPrecisions) {
    const precision_test::BothCase cases[] = {
        {u"dtor(180)", pi, "3.1415926535897932384626433832795028842"}, {u"90°", pi / 2, nullptr},
        {u"dtor(1;30)", 1.5 / 180 * pi, nullptr},
        {u"dtor(30;30)", {}, "0.53232542185827052096172568438902687760007592600523", 1e-15},
        {u"dtor(1;30;36)", (1 + 30.0 / 60 + 36.0 / 3600) / 180 * pi, nullptr},
        {u"dtor(0;0;3600)", 1.0 / 180 * pi, "0.017453292519943295769236907684886127134428718885417", 1e-15},
        {u"dtor($degrees;30)", 0.5 / 180 * pi, nullptr}, {u"dtor($d;$m;$s)", 0, nullptr}, {u"rtod(pi)", 180, "180"},
        {u"rtod(1)", 180 / pi, nullptr, 1e-13}, {u"rtod(dtor(45))", {}, "45", 1e-15},
    };
    for (const auto& c : cases) precision_test::expectBoth(c);
}

// "e" is the constant only inside a power.
TEST(Conversions, EulersNumberInAPower) {
    precision_test::expectDecimals({
        {u"e^2", "7.3890560989306502272304274605750078131803155705518", 37},
        {u"2^e", "6.5808859910179209708515424038864864915730774383481", 15},
    });
    expectFailures({u"e", u"e()+1"}, MXErrorCodeUnresolvedFunction, u"unable to resolve function: e",
                   MXAngleMeasurementModeRadians, true);
}

TEST(DoubleLogarithms, BaseTenNaturalBaseTwoAndGivenBases) {
    const ValueCase cases[] = {
        {u"log(0.25;0.5)", Double, 2, 1e-15},
        {u"log(1;1)", Double, notANumber}, {u"log(-1)", Double, notANumber}, {u"ln(0)", Double, -infinity},
        {u"ln(-1)", Double, notANumber}, {u"ln(e^3)", Double, 3, 1e-15}, {u"exp(1000)", Double, infinity},
    };
    for (const auto& c : cases) expectValue(c);
}

// The value comes first; a failing base counts as 0, so ln x is divided by -infinity.
TEST(DoubleLogarithms, AFailingBaseCountsAsZero) {
    const auto outcome = evaluate(u"log(8;$base)");
    ASSERT_TRUE(outcome.number.has_value());
    EXPECT_EQ(outcome.number->doubleValue(), 0);
    EXPECT_TRUE(std::signbit(outcome.number->doubleValue()));
    EXPECT_EQ(outcome.error.code(), MXErrorCodeUnresolvedVariable);
}

}  // namespace
