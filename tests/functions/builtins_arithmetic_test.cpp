// Arithmetic, factorial, roots, bitwise and logical built-ins, and the comparisons.
#include <cmath>
#include <limits>
#include <numbers>

#include "tests/functions/builtins_support.h"
#include "tests/support/temporary_folder.h"

namespace {

using namespace builtins_test;

TEST(DoubleArithmetic, ComputesInDoubles) {
    const ValueCase cases[] = {
        {u"add(2;3)", Double, 5}, {u"subtract(2;3.5)", Double, -1.5}, {u"multiply(4;2.5)", Double, 10},
        {u"divide(1;4)", Double, 0.25}, {u"divide(-1;0)", Double, -infinity}, {u"divide(0;0)", Double, notANumber},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleFactorial, MultipliesWholeNumbersAndTakesGammaOtherwise) {
    const ValueCase cases[] = {
        {u"factorial(5)", UInt64, 120}, {u"5!", UInt64, 120}, {u"factorial(20)", UInt64, 2432902008176640000.0},
        {u"factorial(0)", Double, 1}, {u"factorial(2.5)", Double, 3.3233509704478426, 1e-12},
        {u"factorial(-1)", Double, std::tgamma(0.0)}, {u"factorial(-2.5)", Double, 2.3632718012073548, 1e-12},
        // Above 20 the product would overflow: the gamma function takes over.
        {u"factorial(21)", Double, 21.0 * 2432902008176640000.0, 4e4},
        {u"factorial(170)", Double, 7.257415615307994e+306, 1e294},
        {u"factorial(171)", Double, infinity}, {u"factorial(pow(10;400))", Double, infinity},
        {u"factorial(0/0)", Double, notANumber},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleSquareRoot, TakesTheIndexFirstAndCountsAFailingIndexAsZero) {
    const ValueCase cases[] = {
        {u"sqrt(0.25;$missing)", Double, 0},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleBitwise, WorksOnWholePartsAsSignedIntegers) {
    const ValueCase cases[] = {
        {u"and(6;3)", Int64, 2}, {u"6&3", Int64, 2}, {u"or(4;1)", Int64, 5}, {u"xor(5.9;1)", Int64, 4},
        {u"not(0)", Int64, -1}, {u"not(-1.9)", Int64, 0}, {u"lshift(1;64)", Int64, 1},
        {u"lshift(1;63)", Int64, -9223372036854775808.0}, {u"lshift(-1;1)", Int64, -2},
        {u"lshift(3;-1)", Int64, -9223372036854775808.0}, {u"rshift(-8;1)", Int64, -4}, {u"rshift(16;65)", Int64, 8},
        {u"and(1e30;3)", Int64, 3},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleLogic, TruthValuesAreThirtyTwoBitZeroOrOne) {
    const ValueCase cases[] = {
        {u"l_and(2;3)", Int32, 1}, {u"l_and(2;0)", Int32, 0}, {u"1&&0", Int32, 0}, {u"l_or(0;0)", Int32, 0},
        {u"l_or(0;5)", Int32, 1}, {u"0||2", Int32, 1}, {u"l_not(5)", Int32, 0}, {u"l_not(0.0001)", Int32, 0},
        {u"!0", Int32, 1},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleLogic, ComparisonsFollowNumericOrderAcrossKinds) {
    const ValueCase cases[] = {
        {u"l_eq(1;1.0)", Int32, 1}, {u"1==2", Int32, 0}, {u"l_neq(1;2)", Int32, 1}, {u"l_lt(2;2)", Int32, 0},
        {u"l_gt(3;2)", Int32, 1}, {u"l_ltoe(2;2)", Int32, 1}, {u"l_gtoe(2;2)", Int32, 1}, {u"2>=3", Int32, 0},
        {u"l_eq(count(1;2);2)", Int32, 1},
        // Not-a-number equals itself and is smaller than every number.
        {u"l_eq(0/0;0/0)", Int32, 1}, {u"l_lt(0/0;-1/0)", Int32, 1},
    };
    for (const auto& c : cases) expectValue(c);
}

// A failing optional argument counts as 0 (dtor's minutes and seconds, round's digits, a root's
// index: 1/0 for sqrt, 2 for nthroot); the number comes with that argument's error.
class OptionalArguments : public TemporarySettingsFolder {};

TEST_F(OptionalArguments, AFailingOneLeavesANumberAndItsError) {
    const struct {
        const char16_t* text;
        bool precise;
        double value;
    } cases[] = {
        {u"sqrt(4;$x)", false, infinity},      {u"sqrt(16;$x)", true, notANumber},
        {u"nthroot(8;$x)", false, std::sqrt(8.0)}, {u"nthroot(16;$x)", true, 4},
        {u"round(2.5;$x)", false, 3},          {u"dtor(90;$x)", false, std::numbers::pi / 2},
        {u"dtor($x;10800)", true, std::numbers::pi}, {u"dtor(90;$x;324000)", true, std::numbers::pi},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(MXToUtf8(c.text));
        const Outcome outcome = evaluate(c.text, MXAngleMeasurementModeRadians, c.precise);
        ASSERT_TRUE(outcome.number.has_value());
        EXPECT_EQ(outcome.number->kind(), c.precise ? Decimal : Double);
        expectDouble(outcome.number->doubleValue(), c.value);
        EXPECT_EQ(MXToUtf8(outcome.error.localizedDescription()), "unable to resolve variable: $x");
    }
}

// A failing argument ends the call with its error, in both precisions and angle modes; where
// several fail, the one evaluated first (a root's index before its radicand) is reported.
TEST(FailingArguments, EndTheCallWithTheErrorOfTheFirstEvaluated) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"sqrt($x;$n)", u"$n"}, {u"sqrt($x;2)", u"$x"}, {u"nthroot($x;$n)", u"$n"}, {u"nthroot($x;3)", u"$x"},
        {u"l_and(0;$x)", u"$x"}, {u"l_or(1;$x)", u"$x"}, {u"l_eq(1;$x)", u"$x"}, {u"dtor($x)", u"$x"},
        {u"log($x;$b)", u"$x"}, {u"round($x;$n)", u"$n"}, {u"random(1;$b)", u"$b"}, {u"rnd($b)", u"$b"},
        {u"add($b;percent($s))", u"$b"}, {u"add(1;percent($s))", u"$s"}, {u"varxi($a)", u"$a"},
        {u"sum(1;$a;$b)", u"$a"}, {u"average(1;$a)", u"$a"}, {u"min($a;1)", u"$a"}, {u"stddev(1;2;$a)", u"$a"},
        {u"median(1;$a)", u"$a"}, {u"mode(1;$a)", u"$a"}, {u"sin($a)", u"$a"}, {u"asin($a)", u"$a"},
        {u"tan($a)", u"$a"}, {u"crd($a)", u"$a"}, {u"acotanh($a)", u"$a"},
    };
    for (const bool precise : {false, true}) {
        for (const auto mode : {MXAngleMeasurementModeRadians, Degrees}) {
            for (const auto& [text, variable] : cases) {
                const std::u16string message = u"unable to resolve variable: " + std::u16string(variable);
                expectFailure({text, MXErrorCodeUnresolvedVariable, message}, mode, precise);
            }
        }
    }
}

}  // namespace
