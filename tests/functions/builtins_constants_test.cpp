// Constants, angle conversions, logarithms and the exponential.
#include <cmath>
#include <limits>
#include <numbers>

#include "tests/functions/builtins_support.h"

namespace {

using namespace builtins_test;
constexpr double pi = std::numbers::pi;

TEST(DoubleConstants, AreTheNearestDoubles) {
    const ValueCase cases[] = {
        {u"phi()", Double, 1.618033988749895},
        {u"pi()", Double, 3.141592653589793},
        {u"pi_2()", Double, 1.5707963267948966},
        {u"pi_4()", Double, 0.7853981633974483},
        {u"tau()", Double, 6.283185307179586},
        {u"sqrt2()", Double, 1.4142135623730951},
        {u"log2e()", Double, 1.4426950408889634},
        {u"log10e()", Double, 0.4342944819032518},
        {u"ln2()", Double, 0.6931471805599453},
        {u"ln10()", Double, 2.302585092994046},
        {u"pi", Double, 3.141592653589793},
        {u"π", Double, 3.141592653589793},
        {u"tau_2", Double, 3.141592653589793},
        {u"τ", Double, 6.283185307179586},
        {u"ϕ", Double, 1.618033988749895},
        {u"PI", Double, 3.141592653589793},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleConstants, EulersNumberOnlyAsAnOperandOfAPower) {
    const ValueCase cases[] = {
        {u"e^2", Double, 7.3890560989306495},
        {u"pow(e;1)", Double, 2.718281828459045},
        {u"2^e", Double, std::pow(2.0, 2.718281828459045)},
    };
    for (const auto& c : cases) expectValue(c);
    expectFailure({u"e", MXErrorCodeUnresolvedFunction, u"unable to resolve function: e"});
    expectFailure({u"e+1", MXErrorCodeUnresolvedFunction, u"unable to resolve function: e"});
}

TEST(DoubleConversions, DegreesMinutesSecondsAndBack) {
    const ValueCase cases[] = {
        {u"dtor(180)", Double, pi},
        {u"dtor(90)", Double, pi / 2},
        {u"90°", Double, pi / 2},
        {u"dtor(1;30)", Double, 1.5 / 180 * pi},
        {u"dtor(1;30;36)", Double, (1 + 30.0 / 60 + 36.0 / 3600) / 180 * pi},
        {u"dtor(0;0;3600)", Double, 1.0 / 180 * pi},
        {u"dtor(90;$minutes)", Double, pi / 2},
        {u"dtor($degrees;30)", Double, 0.5 / 180 * pi},
        {u"dtor($d;$m;$s)", Double, 0},
        {u"rtod(pi)", Double, 180},
        {u"rtod(pi_2)", Double, 90},
        {u"rtod(1)", Double, 180 / pi, 1e-13},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleConversions, OnlyTheSingleDegreeArgumentMustEvaluate) {
    expectFailure({u"dtor($degrees)", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $degrees"});
    expectNumberDespiteError(u"dtor(90;$minutes)", pi / 2, u"unable to resolve variable: $minutes");
}

TEST(DoubleLogarithms, BaseTenNaturalBaseTwoAndGivenBases) {
    const ValueCase cases[] = {
        {u"log(1000)", Double, 3},
        {u"log(0.01)", Double, -2},
        {u"log(8;2)", Double, 3, 1e-15},
        {u"log(0.25;0.5)", Double, 2, 1e-15},
        {u"log(1;1)", Double, notANumber},
        {u"log(-1)", Double, notANumber},
        {u"ln(0)", Double, -infinity},
        {u"ln(1)", Double, 0},
        {u"ln(-1)", Double, notANumber},
        {u"ln(e^3)", Double, 3, 1e-15},
        {u"log2(8)", Double, 3},
        {u"log2(0.5)", Double, -1},
        {u"exp(0)", Double, 1},
        {u"exp(1)", Double, std::numbers::e},
        {u"exp(1000)", Double, infinity},
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
    expectFailure({u"log($value;$base)", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $value"});
}

}  // namespace
