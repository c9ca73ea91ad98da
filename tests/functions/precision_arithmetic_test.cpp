// Arithmetic, shifts, rounding, factorial and sqrt with high precision on.
#include <cmath>
#include <limits>

#include "tests/functions/precision_support.h"

namespace {

using namespace precision_test;
constexpr auto Double = MXNumberKind::Double;
const double notANumber = std::numeric_limits<double>::quiet_NaN();

TEST(PreciseArithmetic, ComputesInDecimalsWith38Digits) {
    expectDecimals({
        {u"0.1+0.2", "0.3"}, {u"1/3", "0.33333333333333333333333333333333333333"},
        {u"1/7", "0.142857142857142857142857142857142857142857", 37},
        {u"123456789012345678901234567890*10", "1234567890123456789012345678900"},
        {u"-(3+4)*2", "-14"}, {u"negate(0.1)", "-0.1"},
        // Division by zero leaves the not-a-number decimal; there is no decimal infinity.
        {u"1/0", "NaN"},
        // mod takes the sign of the divisor.
        {u"mod(-1;3)", "2"}, {u"mod(7;-3)", "-2"}, {u"modulo(-7.5;2)", "0.5"}, {u"mod(5;0)", "NaN"},
        // Powers are exact for positive integer exponents and the double's digits otherwise.
        {u"2^10", "1024"}, {u"2^100", "1267650600228229401496703205376"},
        {u"2^500", "3.27339060789614187001318969682759915221664204604306478948329e150", 37},
        {u"0^0", "1"}, {u"pow(2;-1)", "0.5"}, {u"2^0.5", "1.4142135623730951"}, {u"pow(-8;1/3)", "NaN"},
        // Shifts double or halve; a negative value shifts its magnitude and keeps its sign.
        {u"rshift(5;1)", "2.5"}, {u"lshift(1;-1)", "0"}, {u"lshift(3;2)", "12"}, {u"rshift(1;1)", "0"},
        {u"lshift(-3;1)", "-6"}, {u"lshift(1;1e30)", "NaN"},
        {u"abs(-2.7)", "2.7"}, {u"abs(-1/3)", "0.33333333333333333333333333333333333333"},
        {u"ceil(-2.5)", "-2"}, {u"floor(-2.5)", "-3"}, {u"trunc(-2.5)", "-3"},
        {u"floor(1e30+0.5)", "1000000000000000000000000000000"},
        // factorial multiplies whole numbers out and overflows promptly above 103.
        {u"factorial(5)", "120"}, {u"0!", "1"}, {u"25!", "15511210043330985984000000"},
        {u"factorial(103)", "9.90290071648618040754671525458177334909016582211449248300528e163", 37},
        {u"factorial(104)", "NaN"}, {u"factorial(100000000000)", "NaN"}, {u"factorial(1e100)", "NaN"},
        // sqrt takes Heron's root; an index goes through doubles, and 0 makes it 1/0.
        {u"sqrt(9)", "3"}, {u"sqrt(1e100)", "1e50"}, {u"sqrt(0)", "0"}, {u"sqrt(-4)", "NaN"},
        {u"sqrt(2)", "1.41421356237309504880168872420969807856967187537694807317668", 37},
        {u"sqrt(8;3)", "2"}, {u"sqrt(16;1)", "16"}, {u"sqrt(16;0)", "NaN"},
    });
}

TEST(PreciseFactorial, NegativeIntegersHaveNoneAndFractionsTakeTheDoubleGammaFunction) {
    expectNumber({u"factorial(-3)", Double, notANumber});
    expectNumber({u"factorial(3.5)", Double, std::tgamma(decimal_test::atRunTime(4.5))});
}

}  // namespace
