// Arithmetic, factorial, roots and bitwise built-ins.
#include <cmath>
#include <limits>
#include <numbers>

#include "tests/functions/builtins_support.h"

namespace {

using namespace builtins_test;

TEST(DoubleArithmetic, ComputesInDoubles) {
    const ValueCase cases[] = {
        {u"add(2;3)", Double, 5},
        {u"2+3", Double, 5},
        {u"subtract(2;3.5)", Double, -1.5},
        {u"multiply(4;2.5)", Double, 10},
        {u"divide(1;4)", Double, 0.25},
        {u"divide(1;0)", Double, infinity},
        {u"divide(-1;0)", Double, -infinity},
        {u"divide(0;0)", Double, notANumber},
        {u"mod(7;3)", Double, 1},
        {u"mod(-1;3)", Double, -1},
        {u"mod(5.5;2)", Double, 1.5},
        {u"mod(5;0)", Double, notANumber},
        {u"pow(2;10)", Double, 1024},
        {u"pow(2;0.5)", Double, std::numbers::sqrt2},
        {u"pow(-8;1/3)", Double, notANumber},
        {u"negate(4)", Double, -4},
        {u"-(2.5)", Double, -2.5},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleFactorial, MultipliesWholeNumbersAndTakesGammaOtherwise) {
    const ValueCase cases[] = {
        {u"factorial(5)", UInt64, 120},
        {u"5!", UInt64, 120},
        {u"factorial(1)", UInt64, 1},
        {u"factorial(20)", UInt64, 2432902008176640000.0},
        {u"factorial(0)", Double, 1},
        {u"factorial(2.5)", Double, 3.3233509704478426, 1e-12},
        {u"factorial(-1)", Double, std::tgamma(0.0)},
        {u"factorial(-2.5)", Double, 2.3632718012073548, 1e-12},
        // Above 20 the product would overflow: the gamma function takes over.
        {u"factorial(21)", Double, 5.109094217170944e+19, 1e5},
        {u"factorial(170)", Double, 7.257415615307994e+306, 1e294},
        {u"factorial(171)", Double, infinity},
        {u"factorial(pow(10;300))", Double, infinity},
        {u"factorial(pow(10;400))", Double, infinity},
        {u"factorial(0/0)", Double, notANumber},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleFactorial, TwentyOneIsTwentyTimesTwentyFactorialInDoubles) {
    const auto outcome = builtins_test::evaluate(u"factorial(21)");
    ASSERT_TRUE(outcome.number.has_value());
    EXPECT_DOUBLE_EQ(outcome.number->doubleValue(), 21.0 * 2432902008176640000.0);
}

TEST(DoubleSquareRoot, TakesTheIndexFirstAndCountsAFailingIndexAsZero) {
    const ValueCase cases[] = {
        {u"sqrt(9)", Double, 3},
        {u"sqrt(2)", Double, std::numbers::sqrt2},
        {u"sqrt(-4)", Double, notANumber},
        {u"sqrt(27;3)", Double, 3},
        {u"sqrt(16;4)", Double, 2},
        // pow(x, 1/0) is pow(x, infinity).
        {u"sqrt(4;0)", Double, infinity},
        {u"sqrt(4;$missing)", Double, infinity},
        {u"sqrt(0.25;$missing)", Double, 0},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleSquareRoot, OnlyTheRadicandMustEvaluate) {
    expectNumberDespiteError(u"sqrt(4;$missing)", infinity, u"unable to resolve variable: $missing");
    // The index is evaluated first, so its error is the one that stays.
    expectFailure({u"sqrt($x;$n)", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $n"});
    expectFailure({u"sqrt($x;2)", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $x"});
}

TEST(DoubleBitwise, WorksOnWholePartsAsSignedIntegers) {
    const ValueCase cases[] = {
        {u"and(6;3)", Int64, 2},
        {u"6&3", Int64, 2},
        {u"or(4;1)", Int64, 5},
        {u"xor(5;1)", Int64, 4},
        {u"xor(5.9;1)", Int64, 4},
        {u"5**1", Int64, 4},
        {u"not(0)", Int64, -1},
        {u"not(-1.9)", Int64, 0},
        {u"lshift(1;3)", Int64, 8},
        {u"lshift(1;64)", Int64, 1},
        {u"lshift(1;63)", Int64, -9223372036854775808.0},
        {u"lshift(-1;1)", Int64, -2},
        {u"lshift(3;-1)", Int64, -9223372036854775808.0},
        {u"rshift(-8;1)", Int64, -4},
        {u"rshift(16;65)", Int64, 8},
        {u"rshift(-1;63)", Int64, -1},
        {u"and(1e30;3)", Int64, 3},
    };
    for (const auto& c : cases) expectValue(c);
}

}  // namespace
