// Arithmetic, shifts, rounding, factorial, roots, logarithms and exp with high precision on.
#include <cmath>
#include <limits>
#include <numbers>

#include "tests/functions/precision_support.h"

namespace {

using namespace precision_test;
constexpr auto Double = MXNumberKind::Double;
const double notANumber = std::numeric_limits<double>::quiet_NaN();
const double infinity = std::numeric_limits<double>::infinity();

// The same texts in doubles and in decimals: results that agree, and where they differ.
TEST(Arithmetic, ComputesInBothPrecisions) {
    const BothCase cases[] = {
        {u"negate(4)", -4, "-4"}, {u"divide(1;0)", infinity, "NaN"}, {u"pow(2;10)", 1024, "1024"},
        {u"pow(-8;1/3)", notANumber, "NaN"},
        // mod takes the sign of the dividend in doubles and of the divisor in decimals.
        {u"mod(-1;3)", -1, "2"}, {u"mod(7;-3)", 1, "-2"}, {u"mod(5.5;2)", 1.5, "1.5"}, {u"modulo(-7.5;2)", -1.5, "0.5"},
        {u"mod(5;0)", notANumber, "NaN"}, {u"ceil(-1.2)", -1, "-1"}, {u"floor(-1.2)", -2, "-2"},
        {u"trunc(-1.5)", -2, "-2"}, {u"abs(-2.7)", 2.7, "2.7"}, {u"log(1000)", 3, "3"}, {u"log(8;2)", 3, "3", 1e-15},
        {u"log2(8)", 3, "3"}, {u"exp(1)", std::numbers::e, "2.7182818284590452353602874713526624978", 1e-15},
        // sqrt with an index takes the root of that index; 0 makes it 1/0, pow(x, infinity) in doubles.
        {u"sqrt(9)", 3, "3"}, {u"sqrt(-4)", notANumber, "NaN"}, {u"sqrt(27;3)", 3, "3"}, {u"sqrt(16;1)", 16, "16"},
        {u"sqrt(4;0)", infinity, "NaN"}, {u"sqrt(-8;3)", notANumber, "NaN"},
    };
    for (const auto& c : cases) expectBoth(c);
}

TEST(PreciseArithmetic, ComputesInDecimalsWith38Digits) {
    expectDecimals({
        {u"0.1+0.2", "0.3"}, {u"1/3", "0.33333333333333333333333333333333333333"},
        {u"1/7", "0.142857142857142857142857142857142857142857", 37},
        {u"123456789012345678901234567890*10", "1234567890123456789012345678900"},
        {u"-(3+4)*2", "-14"}, {u"negate(0.1)", "-0.1"}, {u"abs(-1/3)", "0.33333333333333333333333333333333333333"},
        // Powers are exact for positive integer exponents and where the result is short.
        {u"2^100", "1267650600228229401496703205376"},
        {u"2^500", "3.27339060789614187001318969682759915221664204604306478948329e150", 37},
        {u"2^0.5", "1.4142135623730950488016887242096980786"}, {u"8^(1/3)", "2", 37},
        {u"1.05^(1/12)", "1.0040741237836483016054196026721071636", 36},
        // Logarithms exact where they are fractions with small denominators.
        {u"ln(2)", "0.69314718055994530941723212145817656808", 36}, {u"log(1000;10)", "3"}, {u"log(8;4)", "1.5"},
        {u"log2(1024)", "10"}, {u"log2(10)", "3.3219280948873623478703194294893901759", 36},
        // Shifts double or halve; a negative value shifts its magnitude and keeps its sign.
        {u"rshift(5;1)", "2.5"}, {u"lshift(-3;1)", "-6"}, {u"floor(1e30+0.5)", "1000000000000000000000000000000"},
        // factorial multiplies whole numbers out and overflows promptly above 103.
        {u"factorial(5)", "120"}, {u"0!", "1"}, {u"factorial(104)", "NaN"}, {u"factorial(100000000000)", "NaN"},
        {u"factorial(1e100)", "NaN"},
        // The gamma function for the others.
        {u"factorial(3.5)", "11.631728396567448929144224109426265262", 36},
        // sqrt takes Heron's root.
        {u"sqrt(1e100)", "1e50"}, {u"sqrt(0)", "0"}, {u"nthroot(-27;3)", "3"},
    });
}

// Where the decimal holds no full-precision value, the result is the double one as before.
TEST(PreciseDoubleResults, RemainWhereTheDecimalHasNone) {
    const ValueCase cases[] = {
        {u"factorial(-3)", Double, notANumber}, {u"factorial(171.5)", Double, infinity},
        {u"factorial(170.5)", Double, std::tgamma(decimal_test::atRunTime(171.5))},
        {u"factorial(-169.5)", Double, std::tgamma(decimal_test::atRunTime(-168.5))},
        {u"exp(400)", Double, std::exp(decimal_test::atRunTime(400.0))},
        {u"exp(-290)", Double, std::exp(decimal_test::atRunTime(-290.0))}, {u"ln(0)", Double, -infinity},
        {u"log(-1)", Double, notANumber}, {u"log(8;1)", Double, infinity}, {u"log2(0)", Double, -infinity},
        // A double argument that the record would round to a digit or two.
        {u"ln(exp(-294))", Double, std::log(std::exp(decimal_test::atRunTime(-294.0)))},
    };
    for (const auto& c : cases) expectNumber(c);
}

}  // namespace
