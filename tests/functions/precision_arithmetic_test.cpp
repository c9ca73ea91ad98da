// Arithmetic, shifts, rounding, factorial, sqrt and nthroot with high precision on.
#include <cmath>
#include <limits>

#include "tests/functions/precision_support.h"
#include "tests/platform/settings_TemporaryFolder.h"

namespace {

using namespace precision_test;
constexpr auto Double = MXNumberKind::Double;
const double notANumber = std::numeric_limits<double>::quiet_NaN();

TEST(PreciseArithmetic, KeepsDecimalFractionsExactAndRoundsTo38Digits) {
    expectDecimals({
        {u"0.1+0.2", "0.3"}, {u"1/3", "0.33333333333333333333333333333333333333"},
        {u"1/7", "0.142857142857142857142857142857142857142857", 37},
        {u"123456789012345678901234567890*10", "1234567890123456789012345678900"},
        {u"-(3+4)*2", "-14"}, {u"negate(0.1)", "-0.1"},
        // Division by zero leaves the not-a-number decimal; there is no decimal infinity.
        {u"1/0", "NaN"},
    });
}

TEST(PreciseArithmetic, ModTakesTheSignOfTheDivisor) {
    expectDecimals({
        {u"mod(-1;3)", "2"}, {u"mod(7;-3)", "-2"}, {u"modulo(-7.5;2)", "0.5"}, {u"mod(5;0)", "NaN"},
    });
}

TEST(PrecisePowers, AreExactForPositiveIntegerExponentsAndDoublesOtherwise) {
    expectDecimals({
        {u"2^10", "1024"}, {u"2^100", "1267650600228229401496703205376"},
        {u"2^500", "3.27339060789614187001318969682759915221664204604306478948329e150", 37},
        {u"0^0", "1"}, {u"pow(2;-1)", "0.5"},
        // Fractional exponents give the digits of the double result.
        {u"2^0.5", "1.4142135623730951"}, {u"pow(-8;1/3)", "NaN"},
    });
}

TEST(PreciseShifts, DoubleOrHalveTheDecimalValue) {
    expectDecimals({
        {u"rshift(5;1)", "2.5"}, {u"lshift(1;-1)", "0"}, {u"lshift(3;2)", "12"}, {u"rshift(1;1)", "0"},
        // A negative value shifts its magnitude and keeps its sign.
        {u"lshift(-3;1)", "-6"}, {u"lshift(1;1e30)", "NaN"},
    });
}

TEST(PreciseRounding, KeepsFractionsAndRoundsTowardTheGivenInfinity) {
    expectDecimals({
        {u"abs(-2.7)", "2.7"},
        {u"abs(-1/3)", "0.33333333333333333333333333333333333333"},
        {u"ceil(-2.5)", "-2"}, {u"floor(-2.5)", "-3"}, {u"trunc(-2.5)", "-3"},
        {u"floor(1e30+0.5)", "1000000000000000000000000000000"},
    });
}

TEST(PreciseFactorial, MultipliesWholeNumbersOutInDecimals) {
    expectDecimals({
        {u"factorial(5)", "120"}, {u"0!", "1"}, {u"25!", "15511210043330985984000000"},
        {u"factorial(103)", "9.90290071648618040754671525458177334909016582211449248300528e163", 37},
        {u"factorial(104)", "NaN"}, {u"factorial(100000000000)", "NaN"}, {u"factorial(1e100)", "NaN"},
    });
}

TEST(PreciseFactorial, NegativeIntegersHaveNoneAndFractionsTakeTheDoubleGammaFunction) {
    const ValueCase cases[] = {
        {u"factorial(-3)", Double, notANumber},
        {u"factorial(3.5)", Double, std::tgamma(decimal_test::atRunTime(4.5))},
    };
    for (const auto& c : cases) expectNumber(c);
}

TEST(PreciseSqrt, OneArgumentTakesHeronsRootToAllDigits) {
    expectDecimals({
        {u"sqrt(9)", "3"}, {u"sqrt(1e100)", "1e50"},
        {u"sqrt(2)", "1.41421356237309504880168872420969807856967187537694807317668", 37},
        {u"sqrt(0)", "0"}, {u"sqrt(-4)", "NaN"},
    });
}

TEST(PreciseSqrt, AnIndexGoesThroughDoublesAndCountsAsZeroWhenItFails) {
    expectDecimals({
        {u"sqrt(8;3)", "2"}, {u"sqrt(16;1)", "16"},
        // 1 / 0 is not-a-number, and so is the power.
        {u"sqrt(16;0)", "NaN"},
    });
}

class PreciseNthroot : public TemporarySettingsFolder {};

TEST_F(PreciseNthroot, TakesTheIndexTwoWhenAbsentZeroOrFailing) {
    expectDecimals({
        {u"nthroot(16)", "4"}, {u"nthroot(16;0)", "4"}, {u"nthroot(8;3)", "2"},
    });
}

}  // namespace
