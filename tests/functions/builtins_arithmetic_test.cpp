// Arithmetic, percent, factorial, roots, logarithms, bitwise and logical built-ins, the
// comparisons, abs, round and random, in both precisions, and arguments that fail.
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>

#include "tests/support/builtin_evaluation.h"
#include "tests/support/temporary_folder.h"

namespace {

using namespace builtins_test;

// The same texts in doubles and in decimals: results that agree, and where they differ.
TEST(Arithmetic, ComputesInBothPrecisions) {
    const BothCase cases[] = {
        {u"add(2;3)", 5, "5"}, {u"subtract(2;3.5)", -1.5, "-1.5"}, {u"multiply(4;2.5)", 10, "10"},
        {u"divide(-1;0)", -infinity, "NaN"}, {u"divide(0;0)", notANumber, "NaN"}, {u"negate(4)", -4, "-4"},
        {u"pow(-8;1/3)", notANumber, "NaN"}, {u"2^100", std::pow(2.0, 100), "1267650600228229401496703205376"},
        // mod takes the sign of the dividend in doubles and of the divisor in decimals.
        {u"mod(-1;3)", -1, "2"}, {u"mod(7.5;-2)", 1.5, "-0.5"}, {u"mod(5;0)", notANumber, "NaN"},
        {u"ceil(-1.2)", -1, "-1"}, {u"floor(-1.2)", -2, "-2"}, {u"abs(-2.7)", 2.7, "2.7"},
        {u"rshift(5;1)", {}, "2.5"}, {u"lshift(-3;1)", {}, "-6"}, {u"log(1000)", 3, "3"}, {u"log(8;4)", 1.5, "1.5"},
        {u"log2(8)", 3, "3"}, {u"exp(1)", std::numbers::e, "2.7182818284590452353602874713526624978", 1e-15},
        {u"ln(2)", std::numbers::ln2, "0.69314718055994530941723212145817656808", 1e-15},
        {u"log(0.25;0.5)", 2, "2", 1e-15},
        // sqrt with an index takes the root of that index; 0 makes it 1/0, pow(x, infinity) in doubles.
        {u"sqrt(9)", 3, "3"}, {u"sqrt(-4)", notANumber, "NaN"}, {u"sqrt(27;3)", 3, "3"},
        {u"sqrt(4;0)", infinity, "NaN"}, {u"sqrt(-8;3)", notANumber, "NaN"},
        // factorial multiplies whole numbers out, overflows promptly and takes gamma otherwise.
        {u"factorial(20)", {}, "2432902008176640000"}, {u"0!", 1, "1"}, {u"factorial(171)", infinity, "NaN"},
        {u"factorial(3.5)", std::tgamma(4.5), "11.631728396567448929144224109426265262", 1e-13},
        {u"factorial(-2.5)", std::tgamma(-1.5), "2.3632718012073547030642233111215269103", 1e-12},
    };
    for (const auto& c : cases) expectBoth(c);
}

// Where the decimal holds no full-precision value, the result is the double one.
TEST(Arithmetic, PreciseResultsKeepToDoublesWhereTheDecimalHasNone) {
    const ValueCase cases[] = {
        {u"factorial(-3)", Double, notANumber}, {u"factorial(0/0)", Double, notANumber},
        {u"factorial(171.5)", Double, infinity}, {u"factorial(-169.5)", Double, std::tgamma(-168.5), 1e-310},
        {u"exp(400)", Double, std::exp(400.0), 1e160}, {u"ln(0)", Double, -infinity},
        {u"log(8;1)", Double, infinity}, {u"log2(0)", Double, -infinity},
        {u"ln(exp(-294))", Double, -294, 1e-12},
    };
    for (const auto& c : cases) expectValue(c, true);
}

// Whole numbers stay integers up to 20!; above, the gamma function takes over. abs keeps whole
// numbers integers; round is symmetric with halves away from zero.
TEST(Arithmetic, DoubleResultKinds) {
    const ValueCase cases[] = {
        {u"5!", UInt64, 120}, {u"factorial(21)", Double, 21.0 * 2432902008176640000.0, 4e4},
        {u"factorial(-1)", Double, std::tgamma(0.0)}, {u"and(6;3)", Int64, 2},
        {u"or(4;1)", Int64, 5}, {u"xor(5.9;1)", Int64, 4}, {u"not(-1.9)", Int64, 0}, {u"lshift(1;64)", Int64, 1},
        {u"lshift(1;63)", Int64, -9223372036854775808.0}, {u"lshift(3;-1)", Int64, -9223372036854775808.0},
        {u"rshift(-8;1)", Int64, -4}, {u"rshift(16;65)", Int64, 8}, {u"and(1e30;3)", Int64, 3},
        {u"abs(3)", Int64, 3}, {u"abs(-1/0)", Double, infinity}, {u"abs(not(5))", Int64, 6},
        {u"abs(lshift(1;63))", UInt64, 9223372036854775808.0},
        {u"abs(factorial(20))", UInt64, 2432902008176640000.0}, {u"abs(-pow(10;300))", Double, 1e300},
        {u"abs(0/0)", Double, notANumber}, {u"round(2.5)", Double, 3}, {u"round(-3.14159;2)", Double, -3.14},
        // The fixed-point text of the binary value decides: 2.675 is stored a little below.
        {u"round(2.675;2)", Double, 2.67}, {u"round(1234.5678;-1)", Double, 1235}, {u"round(2.5;0.9)", Double, 3},
        {u"round(0.1;5000)", Double, 0.1}, {u"round(pow(10;300);3)", Double, 1e300},
        {u"round(-1/0;2)", Double, -infinity}, {u"round(0/0)", Double, 0},
    };
    for (const auto& c : cases) expectValue(c);
}

// Truth values are 32-bit 0 or 1 in both precisions; decimals compare exactly; not-a-number
// equals itself and, in doubles, is smaller than every number.
TEST(Logic, TruthValuesAndComparisonsInBothPrecisions) {
    const ValueCase cases[] = {
        {u"l_and(2;3)", Int32, 1}, {u"l_or(0;0)", Int32, 0}, {u"l_not(0.0001)", Int32, 0}, {u"l_eq(1;1.0)", Int32, 1},
        {u"l_neq(1;2)", Int32, 1}, {u"l_lt(2;2)", Int32, 0}, {u"l_gt(3;2)", Int32, 1}, {u"l_ltoe(2;2)", Int32, 1},
        {u"l_gtoe(2;3)", Int32, 0}, {u"l_and(1;0)", Int32, 0}, {u"l_or(0;2)", Int32, 1},
        {u"l_eq(count(1;2);2)", Int32, 1}, {u"l_eq(0/0;0/0)", Int32, 1},
    };
    for (const bool precise : {false, true}) {
        for (const auto& c : cases) expectValue(c, precise);
    }
    expectValue({u"l_lt(0/0;-1/0)", Int32, 1});
    expectValue({u"l_eq(0.1+0.2;0.3)", Int32, 1}, true);
    expectValue({u"l_gt(1/3;0.33333333333333333333333333333333333332)", Int32, 1}, true);
}

// percent: a share of the first operand of the sum or difference it ends, else of 1.
TEST(Percent, TakesItsShareOfTheOperandItIsAddedToOrSubtractedFromInBothPrecisions) {
    const BothCase cases[] = {
        {u"percent(10)", 0.1, "0.1"}, {u"add(200;percent(10))", 220, "220"},
        {u"subtract(200;percent(10))", 180, "180"}, {u"(100+percent(10))+percent(10)", 121, "121"},
        {u"5*(200-percent(10))", 900, "900"}, {u"1/3-percent(50)", 1.0 / 6, "0.16666666666666666666666666666666666667"},
        // Anywhere else the share is of 1.
        {u"multiply(200;percent(10))", 20, "20"}, {u"add(percent(10);200)", 200.1, "200.1"},
        {u"200+percent(10)*2", 200.2, "200.2"}, {u"sin(0)+percent(10)", 0, "0"},
    };
    for (const auto mode : {Radians, Degrees}) {
        for (const auto& c : cases) expectBoth(c, mode);
    }
}

// A failing optional argument counts as 0 (dtor's minutes and seconds, round's digits, a root's
// index: 1/0 for sqrt, 2 for nthroot, a logarithm's base); the number comes with that
// argument's error.
class OptionalArguments : public TemporarySettingsFolder {};

TEST_F(OptionalArguments, AFailingOneLeavesANumberAndItsError) {
    const struct {
        const char16_t* text;
        bool precise;
        MXNumberKind kind;
        double value;
    } cases[] = {
        {u"sqrt(4;$x)", false, Double, infinity},  {u"sqrt(16;$x)", true, Decimal, notANumber},
        {u"nthroot(8;$x)", false, Double, std::sqrt(8.0)}, {u"nthroot(16;$x)", true, Decimal, 4},
        {u"round(2.5;$x)", false, Double, 3},      {u"dtor(90;$x)", false, Double, std::numbers::pi / 2},
        {u"dtor($x;10800)", true, Decimal, std::numbers::pi}, {u"dtor(90;$x;324000)", true, Decimal, std::numbers::pi},
        {u"log(8;$x)", false, Double, -0.0},       {u"log(8;$x)", true, Double, -0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(utf8(c.text));
        const Outcome outcome = evaluate(c.text, c.precise);
        ASSERT_TRUE(outcome.value.has_value());
        EXPECT_EQ(outcome.value->kind(), c.kind);
        expectDouble(outcome.value->doubleValue(), c.value);
        EXPECT_EQ(std::signbit(outcome.value->doubleValue()), std::signbit(c.value));
        EXPECT_EQ(utf8(outcome.error.localizedDescription()), "unable to resolve variable: $x");
    }
}

// A failing argument ends the call with its error, in both precisions and angle modes; where
// several fail, the one evaluated first (a root's index before its radicand) is reported.
TEST(FailingArguments, EndTheCallWithTheErrorOfTheFirstEvaluated) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"sqrt($x;$n)", u"$n"}, {u"sqrt($x;2)", u"$x"}, {u"nthroot($x;$n)", u"$n"}, {u"nthroot($x;3)", u"$x"},
        {u"l_and(0;$x)", u"$x"}, {u"l_eq(1;$x)", u"$x"}, {u"dtor($x)", u"$x"},
        {u"log($x;$b)", u"$x"}, {u"round($x;$n)", u"$n"}, {u"random(1;$b)", u"$b"},
        {u"add($b;percent($s))", u"$b"}, {u"add(1;percent($s))", u"$s"}, {u"varxi($a)", u"$a"},
        {u"sum(1;$a;$b)", u"$a"}, {u"min($a;1)", u"$a"}, {u"stddev(1;2;$a)", u"$a"},
        {u"median(1;$a)", u"$a"}, {u"mode(1;$a)", u"$a"}, {u"sin($a)", u"$a"}, {u"asin($a)", u"$a"},
        {u"crd($a)", u"$a"}, {u"acotanh($a)", u"$a"},
    };
    for (const bool precise : {false, true}) {
        for (const auto mode : {Radians, Degrees}) {
            for (const auto& [text, variable] : cases) {
                const std::u16string message = u"unable to resolve variable: " + std::u16string(variable);
                evaluator_test::expectError(evaluate(text, precise, mode), MXErrorCodeUnresolvedVariable, message,
                                            utf8(text));
            }
        }
    }
}

struct RandomRange {
    std::u16string text;
    int64_t lowest;
    int64_t highest;
    // Small ranges must show every value, each about equally often.
    bool everyValue;
};

constexpr int kDraws = 3000;

void expectDrawsWithin(const RandomRange& range) {
    SCOPED_TRACE(utf8(range.text));
    MXMathEvaluator evaluator;
    std::map<int64_t, int> seen;
    for (int draw = 0; draw < kDraws; ++draw) {
        const auto outcome = evaluator_test::evaluateText(evaluator, range.text);
        ASSERT_TRUE(outcome.value.has_value());
        ASSERT_EQ(outcome.value->kind(), Int64);
        const int64_t value = outcome.value->longLongValue();
        ASSERT_GE(value, range.lowest);
        ASSERT_LE(value, range.highest);
        ++seen[value];
    }
    if (range.everyValue) {
        const int64_t values = range.highest - range.lowest + 1;
        EXPECT_EQ(seen.size(), static_cast<size_t>(values));
        for (const auto& [value, count] : seen) EXPECT_NEAR(count, kDraws / values, kDraws / values / 5) << value;
    } else {
        EXPECT_GT(seen.size(), static_cast<size_t>(kDraws / 2));
    }
}

TEST(DoubleRandom, DrawsWithinTheRangeOfEachForm) {
    const RandomRange ranges[] = {
        {u"random()", 0, 4294967294, false}, {u"random(6)", 0, 5, true},
        // Only the low 32 bits of a single bound count; here they are 0.
        {u"random(4294967296)", 0, 0, true}, {u"random(-3;2)", -3, 1, true},
        {u"random(4294967296;4294967299)", 4294967296, 4294967298, true},
        {u"random(-9e18;9e18)", -9000000000000000000, 8999999999999999999, false},
        {u"random(5;5)", 5, 4294967294, false},
        // A reversed pair whose lower bound lies beyond the 32-bit range gives that bound.
        {u"random(4294967295;3)", 4294967295, 4294967295, true},
    };
    for (const auto& range : ranges) expectDrawsWithin(range);
}

}  // namespace
