// Edge cases of the circular, hyperbolic, exponential and inverse functions: exact values,
// accuracy at the awkward ends of each domain, and not-a-number outside it.
#include "tests/functions/decimal_support.h"

namespace {

using namespace decimal_test;

// Ordinary arguments are left to the accuracy test; here the reciprocals, arguments where short
// series once lost digits, exact values and the ends of each domain.
INSTANTIATE_TEST_SUITE_P(Circular, DecimalValue, testing::Values(
    Case{"sin", MXDecimalSin, "0", "0"}, Case{"cos", MXDecimalCos, "0", "1"}, Case{"sec", MXDecimalSec, "0", "1"},
    Case{"csc", MXDecimalCsc, "1", "1.1883951057781212162615994523745510035", 36},
    Case{"cot", MXDecimalCot, "1", "0.64209261593433070300641998659426562023", 33}));

INSTANTIATE_TEST_SUITE_P(InverseCircular, DecimalValue, testing::Values(
    Case{"atan", MXDecimalAtan, "-1e160", "-1.5707963267948966192313216916397514421", 36},
    Case{"asin", MXDecimalAsin, "1", "1.5707963267948966192313216916397514421"},
    Case{"asin", MXDecimalAsin, "-1", "-1.5707963267948966192313216916397514421"},
    Case{"acos", MXDecimalAcos, "1", "0"},
    Case{"acos", MXDecimalAcos, "-1", "3.1415926535897932384626433832795028842"},
    Case{"asec", MXDecimalAsec, "-1", "3.1415926535897932384626433832795028842"},
    Case{"acot", MXDecimalAcot, "0", "1.5707963267948966192313216916397514421"}));

INSTANTIATE_TEST_SUITE_P(Hyperbolic, DecimalValue, testing::Values(
    Case{"sinh", MXDecimalSinh, "380", "5.3811255827552490177091867171219056401e164", 36},
    Case{"tanh", MXDecimalTanh, "1000", "1"}, Case{"tanh", MXDecimalTanh, "-1000", "-1"},
    Case{"sech", MXDecimalSech, "1000", "0"}, Case{"asinh", MXDecimalAsinh, "0", "0"},
    Case{"acosh", MXDecimalAcosh, "1", "0"}, Case{"asech", MXDecimalAsech, "1", "0"},
    Case{"asech", MXDecimalAsech, "1e-128", "295.42403908379779286372013832105679514", 36},
    Case{"acsch", MXDecimalAcsch, "1e-100", "230.95165647996451371121637758989459733", 36}));

INSTANTIATE_TEST_SUITE_P(OutsideDomain, DecimalValue, testing::Values(
    Case{"asin", MXDecimalAsin, "1.5", "NaN"},
    Case{"acos", MXDecimalAcos, "-1.0000000000000000000000000000000000001", "NaN"},
    Case{"asec", MXDecimalAsec, "0.5", "NaN"}, Case{"asec", MXDecimalAsec, "0", "NaN"},
    Case{"acsc", MXDecimalAcsc, "-0.5", "NaN"}, Case{"atanh", MXDecimalAtanh, "1", "NaN"},
    Case{"atanh", MXDecimalAtanh, "-1", "NaN"}, Case{"atanh", MXDecimalAtanh, "1.5", "NaN"},
    Case{"acoth", MXDecimalAcoth, "1", "NaN"}, Case{"acoth", MXDecimalAcoth, "0.5", "NaN"},
    Case{"acsch", MXDecimalAcsch, "0", "NaN"}, Case{"csch", MXDecimalCsch, "0", "NaN"},
    Case{"coth", MXDecimalCoth, "0", "NaN"}, Case{"cot", MXDecimalCot, "0", "NaN"},
    Case{"sin", MXDecimalSin, "1e40", "NaN"}, Case{"cos", MXDecimalCos, "-1e40", "NaN"},
    Case{"sinh", MXDecimalSinh, "400", "NaN"}, Case{"cosh", MXDecimalCosh, "-1e100", "NaN"},
    Case{"acosh", MXDecimalAcosh, "0.99999999999999999999999999999999999999", "NaN"},
    Case{"asech", MXDecimalAsech, "0", "NaN"}, Case{"asech", MXDecimalAsech, "-0.5", "NaN"},
    Case{"asech", MXDecimalAsech, "1.0000000000000000000000000000000000001", "NaN"}));

// Logarithms that are integers come out exact; exp overflows to not-a-number and
// underflows to 0.
INSTANTIATE_TEST_SUITE_P(ExponentialAndLogarithms, DecimalValue, testing::Values(
    Case{"ln", MXDecimalLn, "1", "0"}, Case{"exp", MXDecimalExp, "0", "1"},
    Case{"log10", MXDecimalLog10, "1000", "3"}, Case{"log10", MXDecimalLog10, "1e-128", "-128"},
    Case{"log10", MXDecimalLog10, "1e130", "130"}, Case{"log2", MXDecimalLog2, "1024", "10"},
    Case{"log2", MXDecimalLog2, "0.125", "-3"},
    Case{"log2", MXDecimalLog2, "85070591730234615865843651857942052864", "126"},
    Case{"exp", MXDecimalExp, "379.5", "6.5276352994101403386022393863884912962e164", 36},
    Case{"exp", MXDecimalExp, "380", "NaN"}, Case{"exp", MXDecimalExp, "1e100", "NaN"},
    Case{"exp", MXDecimalExp, "-300", "0"}, Case{"ln", MXDecimalLn, "0", "NaN"},
    Case{"ln", MXDecimalLn, "-1", "NaN"}, Case{"log10", MXDecimalLog10, "-1000", "NaN"},
    Case{"log2", MXDecimalLog2, "0", "NaN"}));

// Logarithms to a base: fractions with small denominators exact, bases without logarithms.
INSTANTIATE_TEST_SUITE_P(LogarithmsToABase, DecimalBinaryValue, testing::Values(
    BinaryCase{"log", MXDecimalLogToBase, "8", "4", "1.5"}, BinaryCase{"log", MXDecimalLogToBase, "9", "3", "2"},
    BinaryCase{"log", MXDecimalLogToBase, "0.5", "4", "-0.5"},
    BinaryCase{"log", MXDecimalLogToBase, "2", "8", "0.33333333333333333333333333333333333333"},
    BinaryCase{"log", MXDecimalLogToBase, "1", "7", "0"}, BinaryCase{"log", MXDecimalLogToBase, "8", "1", "NaN"},
    BinaryCase{"log", MXDecimalLogToBase, "8", "0", "NaN"}, BinaryCase{"log", MXDecimalLogToBase, "8", "-2", "NaN"},
    BinaryCase{"log", MXDecimalLogToBase, "0", "2", "NaN"}, BinaryCase{"log", MXDecimalLogToBase, "x", "2", "NaN"}));

INSTANTIATE_TEST_SUITE_P(NotANumberArgument, DecimalValue, testing::Values(
    Case{"sin", MXDecimalSin, "x", "NaN"}, Case{"tan", MXDecimalTan, "x", "NaN"},
    Case{"atan", MXDecimalAtan, "x", "NaN"}, Case{"acot", MXDecimalAcot, "x", "NaN"},
    Case{"sinh", MXDecimalSinh, "x", "NaN"}, Case{"sech", MXDecimalSech, "x", "NaN"},
    Case{"asinh", MXDecimalAsinh, "x", "NaN"}, Case{"acoth", MXDecimalAcoth, "x", "NaN"},
    Case{"acosh", MXDecimalAcosh, "x", "NaN"}, Case{"exp", MXDecimalExp, "x", "NaN"},
    Case{"ln", MXDecimalLn, "x", "NaN"}));

TEST(DecimalSin, LargeArgumentsStayWithinTheRange) {
    for (const char* argument : {"1e20", "-1e30", "1e36"}) {
        EXPECT_LE(MXDoubleFromDecimal(MXDecimalAbsoluteValue(MXDecimalSin(D(argument)))), 1.0) << argument;
        EXPECT_LE(MXDoubleFromDecimal(MXDecimalAbsoluteValue(MXDecimalCos(D(argument)))), 1.0) << argument;
    }
}

TEST(DecimalTan, OddMultipleOfHalfPiDividesByZero) {
    for (const char* argument : {"1.5707963267948966192313216916397514421", "-1.5707963267948966192313216916397514421",
                                 "4.7123889803846898576939650749192543263", "1.5723671231216915158505530133313911935e3"}) {
        EXPECT_TRUE(MXDecimalTan(D(argument)).isNaN) << argument;
    }
    EXPECT_TRUE(MXDecimalTan(MXDecimalPi_2()).isNaN);
}

// Tiny arguments, one next to pi, and ones on both sides of the largest that the
// reduction by pi/2 handles exactly.
TEST(DecimalCircular, SineAndTangentAreOddAndCosineIsEven) {
    for (const char* argument : {"1e-40", "1.5570599106037653898703674515919457429e-30", "0.5",
                                 "3.1415926535897932384626433832795028842", "1000.25", "9.99e18", "1.01e19"}) {
        const MXDecimalRecord x = D(argument);
        EXPECT_EQ(text(MXDecimalSin(negated(x))), text(negated(MXDecimalSin(x)))) << argument;
        EXPECT_EQ(text(MXDecimalCos(negated(x))), text(MXDecimalCos(x))) << argument;
        EXPECT_EQ(text(MXDecimalTan(negated(x))), text(negated(MXDecimalTan(x)))) << argument;
    }
}

}  // namespace
