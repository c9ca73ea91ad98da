// Edge cases of the decimal functions: exact values, the ends of each domain and range,
// not-a-number outside them, and arguments that once lost digits. Ordinary arguments are
// left to the mpmath accuracy test.
#include <gtest/gtest.h>

#include "tests/support/decimal_agreement.h"

namespace {

using namespace decimal_test;

// A function of one record, an argument, and the value the result must agree with in at
// least `digits` significant digits (kExactDigits: equal; "NaN": not-a-number).
struct Case {
    const char* name;
    MXDecimalRecord (*function)(MXDecimalRecord);
    const char* argument;
    const char* expected;
    double digits = kExactDigits;
};

// A function of two records, two arguments and the exact text of the result.
struct BinaryCase {
    const char* name;
    MXDecimalRecord (*function)(MXDecimalRecord, MXDecimalRecord);
    const char* left;
    const char* right;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const Case& c) { return out << c.name << "(" << c.argument << ")"; }

std::ostream& operator<<(std::ostream& out, const BinaryCase& c) {
    return out << c.name << "(" << c.left << ", " << c.right << ")";
}

class DecimalValue : public testing::TestWithParam<Case> {};
class DecimalBinaryValue : public testing::TestWithParam<BinaryCase> {};

TEST_P(DecimalValue, Agrees) {
    const Case& c = GetParam();
    const MXDecimalRecord result = c.function(D(c.argument));
    EXPECT_GE(agreedDigits(result, D(c.expected)), c.digits) << text(result) << ", expected " << c.expected;
}

TEST_P(DecimalBinaryValue, IsExact) {
    const BinaryCase& c = GetParam();
    EXPECT_EQ(text(c.function(D(c.left), D(c.right))), c.expected);
}

MXDecimalRecord negated(MXDecimalRecord x) {
    MXDecimalNegate(x);
    return x;
}

TEST(DecimalHelpers, SignsInversesAndPredicates) {
    EXPECT_FALSE(MXDecimalIsNegative(negated(MXDecimalZero())));
    MXDecimalRecord zero = MXDecimalZero();
    MXDecimalInvert(zero);
    EXPECT_TRUE(zero.isNaN);
    EXPECT_TRUE(MXDecimalAbsoluteValue(MXDecimalNAN()).isNaN);
    EXPECT_TRUE(MXDecimalIsNegative(D("-1e-100")));
    for (const char* other : {"0", "x"}) EXPECT_FALSE(MXDecimalIsNegative(D(other))) << other;
    for (const char* integer : {"-2", "1e100", "0"}) EXPECT_TRUE(MXDecimalIsInteger(D(integer))) << integer;
    for (const char* other : {"-0.5", "1e-30", "x"}) EXPECT_FALSE(MXDecimalIsInteger(D(other))) << other;
    EXPECT_FALSE(MXDecimalIsProbablyEqual(D("1"), D("1.0000000000000000000000000000000000001")));
    EXPECT_TRUE(MXDecimalIsProbablyEqual(D("1e-70"), D("2e-70")));
    EXPECT_FALSE(MXDecimalIsProbablyEqual(MXDecimalNAN(), MXDecimalNAN()));
}

// Integer exponents exact, other results exact where they are short, the ends of the range,
// and the bases that have no real power.
INSTANTIATE_TEST_SUITE_P(Power, DecimalBinaryValue, testing::Values(
    BinaryCase{"power", MXDecimalPower, "0", "0", "1"}, BinaryCase{"power", MXDecimalPower, "x", "0", "1"},
    BinaryCase{"power", MXDecimalPower, "0.0625", "-0.25", "2"},
    BinaryCase{"power", MXDecimalPower, "1.44", "1.5", "1.728"},
    BinaryCase{"power", MXDecimalPower, "1267650600228229401496703205376", "0.01", "2"},
    BinaryCase{"power", MXDecimalPower, "1e100", "2", "NaN"}, BinaryCase{"power", MXDecimalPower, "10", "200.5", "NaN"},
    BinaryCase{"power", MXDecimalPower, "1e100", "-2", "0"}, BinaryCase{"power", MXDecimalPower, "1", "1e30", "1"},
    BinaryCase{"power", MXDecimalPower, "0", "0.5", "0"}, BinaryCase{"power", MXDecimalPower, "0", "-1", "NaN"},
    BinaryCase{"power", MXDecimalPower, "-8", "0.5", "NaN"}, BinaryCase{"power", MXDecimalPower, "2", "x", "NaN"}));

// Counts round down; results beyond the range overflow to not-a-number or underflow to 0.
INSTANTIATE_TEST_SUITE_P(Shifts, DecimalBinaryValue, testing::Values(
    BinaryCase{"rshift", MXDecimalRightShift, "1", "1", "0"},
    BinaryCase{"rshift of a negative value", MXDecimalRightShift, "-5", "1", "-2.5"},
    BinaryCase{"lshift count 2.7 counts 2", MXDecimalLeftShift, "1", "2.7", "4"},
    BinaryCase{"rshift count -0.5 counts -1", MXDecimalRightShift, "3", "-0.5", "6"},
    BinaryCase{"lshift of 0", MXDecimalLeftShift, "0", "1e30", "0"},
    BinaryCase{"lshift overflows", MXDecimalLeftShift, "1", "1e30", "NaN"},
    BinaryCase{"rshift by a huge count", MXDecimalRightShift, "1e150", "1e30", "0"},
    BinaryCase{"lshift by a huge negative count", MXDecimalLeftShift, "1e150", "-1e30", "0"},
    BinaryCase{"lshift of not-a-number", MXDecimalLeftShift, "x", "1", "NaN"},
    BinaryCase{"rshift by not-a-number", MXDecimalRightShift, "4", "x", "NaN"},
    BinaryCase{"lshift keeps 38 digits", MXDecimalLeftShift, "12345678901234567890123456789012345678", "1",
               "24691357802469135780246913578024691356"}));

// 1/x^3 where x^3 lies below the range and the result does not; exponents beyond 64 bits,
// with a result near x = 1 and beyond the range elsewhere.
TEST(DecimalPower, ExtremeExponents) {
    EXPECT_EQ(text(MXDecimalPower(D("1e-50"), D("-3"))), text(D("1e150")));
    const MXDecimalRecord tinyCubed = MXDecimalPower(D("1.2345e-40"), D("-3"));
    EXPECT_GE(agreedDigits(tinyCubed, D("5.3152869741153840791462670628391628268e119")), 37) << text(tinyCubed);
    EXPECT_TRUE(MXDecimalPower(D("1.0000000001"), D("1e30")).isNaN);
    EXPECT_TRUE(MXDecimalPower(D("0.5"), D("1e30")).isZero());
    EXPECT_EQ(text(MXDecimalPower(D("-1"), D("-1e30"))), "1");
    const MXDecimalRecord nearE = MXDecimalPower(D("1.0000000000000000000000000000000000001"), D("1e37"));
    EXPECT_GE(agreedDigits(nearE, D("2.7182818284590452353602874713526624976")), 36) << text(nearE);
}

// sqrt: a 38-digit integer and tiny values lie far from where an exponent-halving guess lands.
// factorial: whole numbers multiplied out, the gamma function otherwise. gamma: integers exact,
// poles not-a-number, the ends of the range promptly.
INSTANTIATE_TEST_SUITE_P(RootsFactorialsAndGamma, DecimalValue, testing::Values(
    Case{"sqrt", MXDecimalSqrt, "1e10", "1e5"}, Case{"sqrt", MXDecimalSqrt, "0", "0"},
    Case{"sqrt", MXDecimalSqrt, "0.0144", "0.12"},
    Case{"sqrt", MXDecimalSqrt, "2", "1.4142135623730950488016887242096980786", 37},
    Case{"sqrt", MXDecimalSqrt, "12345678901234567890123456789012345678", "3513641828820144253.1112223816998829390", 37},
    Case{"sqrt", MXDecimalSqrt, "3e-120", "1.7320508075688772935274463415058723669e-60", 37},
    Case{"sqrt", MXDecimalSqrt, "5.0000000000000000000000000000000000001e-31", "7.0710678118654752440084436210484903929e-16", 37},
    Case{"sqrt", MXDecimalSqrt, "9.8765432109876543210987654321098765432e160", "3.1426968054503212482019843154305945497e80", 37},
    Case{"sqrt", MXDecimalSqrt, "-4", "NaN"}, Case{"sqrt", MXDecimalSqrt, "x", "NaN"},
    Case{"factorial", MXDecimalFactorial, "-5", "120"}, Case{"factorial", MXDecimalFactorial, "0", "1"},
    Case{"factorial", MXDecimalFactorial, "103", "9.9029007164861804075467152545817733491e163", 34},
    Case{"factorial", MXDecimalFactorial, "104", "NaN"}, Case{"factorial", MXDecimalFactorial, "-1e120", "NaN"},
    Case{"factorial", MXDecimalFactorial, "x", "NaN"},
    Case{"factorial", MXDecimalFactorial, "-3.5", "-0.94530872048294188122568932444861076416", 36},
    Case{"gamma", MXDecimalGamma, "5", "24"}, Case{"gamma", MXDecimalGamma, "0", "NaN"},
    Case{"gamma", MXDecimalGamma, "-3", "NaN"}, Case{"gamma", MXDecimalGamma, "106", "NaN"},
    Case{"gamma", MXDecimalGamma, "1e30", "NaN"}, Case{"gamma", MXDecimalGamma, "-200.5", "0"},
    Case{"gamma", MXDecimalGamma, "-999999999999999999999999999999.5", "0"},
    Case{"gamma", MXDecimalGamma, "x", "NaN"}));

// The reciprocals, exact values and the ends of each domain.
INSTANTIATE_TEST_SUITE_P(CircularAndHyperbolic, DecimalValue, testing::Values(
    Case{"sin", MXDecimalSin, "0", "0"}, Case{"cos", MXDecimalCos, "0", "1"}, Case{"sec", MXDecimalSec, "0", "1"},
    Case{"csc", MXDecimalCsc, "1", "1.1883951057781212162615994523745510035", 36},
    Case{"cot", MXDecimalCot, "1", "0.64209261593433070300641998659426562023", 33},
    Case{"atan", MXDecimalAtan, "-1e160", "-1.5707963267948966192313216916397514421", 36},
    Case{"asin", MXDecimalAsin, "-1", "-1.5707963267948966192313216916397514421"},
    Case{"acos", MXDecimalAcos, "1", "0"}, Case{"acos", MXDecimalAcos, "-1", "3.1415926535897932384626433832795028842"},
    Case{"asec", MXDecimalAsec, "-1", "3.1415926535897932384626433832795028842"},
    Case{"acot", MXDecimalAcot, "0", "1.5707963267948966192313216916397514421"},
    Case{"sinh", MXDecimalSinh, "380", "5.3811255827552490177091867171219056401e164", 36},
    Case{"tanh", MXDecimalTanh, "-1000", "-1"}, Case{"sech", MXDecimalSech, "1000", "0"},
    Case{"asinh", MXDecimalAsinh, "0", "0"},
    Case{"asech", MXDecimalAsech, "1e-128", "295.42403908379779286372013832105679514", 36},
    Case{"acsch", MXDecimalAcsch, "1e-100", "230.95165647996451371121637758989459733", 36}));

// Logarithms to a base: fractions with small denominators exact, bases without logarithms.
INSTANTIATE_TEST_SUITE_P(LogarithmsToABase, DecimalBinaryValue, testing::Values(
    BinaryCase{"log", MXDecimalLogToBase, "8", "4", "1.5"}, BinaryCase{"log", MXDecimalLogToBase, "0.5", "4", "-0.5"},
    BinaryCase{"log", MXDecimalLogToBase, "2", "8", "0.33333333333333333333333333333333333333"},
    BinaryCase{"log", MXDecimalLogToBase, "1", "7", "0"}, BinaryCase{"log", MXDecimalLogToBase, "8", "1", "NaN"},
    BinaryCase{"log", MXDecimalLogToBase, "8", "0", "NaN"}, BinaryCase{"log", MXDecimalLogToBase, "8", "-2", "NaN"},
    BinaryCase{"log", MXDecimalLogToBase, "0", "2", "NaN"}, BinaryCase{"log", MXDecimalLogToBase, "x", "2", "NaN"}));

// Arguments outside each domain, results beyond the range, and not-a-number arguments.
TEST(DecimalFunctions, GiveNotANumberOutsideTheirDomains) {
    const struct {
        const char* name;
        MXDecimalRecord (*function)(MXDecimalRecord);
        const char* argument;
    } cases[] = {
        {"asin", MXDecimalAsin, "1.5"},   {"acos", MXDecimalAcos, "-1.0000000000000000000000000000000000001"},
        {"asec", MXDecimalAsec, "0.5"},   {"asec", MXDecimalAsec, "0"},      {"acsc", MXDecimalAcsc, "-0.5"},
        {"atanh", MXDecimalAtanh, "1"},   {"atanh", MXDecimalAtanh, "-1"},   {"atanh", MXDecimalAtanh, "1.5"},
        {"acoth", MXDecimalAcoth, "1"},   {"acoth", MXDecimalAcoth, "0.5"},  {"acsch", MXDecimalAcsch, "0"},
        {"csch", MXDecimalCsch, "0"},     {"coth", MXDecimalCoth, "0"},      {"cot", MXDecimalCot, "0"},
        {"sin", MXDecimalSin, "1e40"},    {"cos", MXDecimalCos, "-1e40"},    {"sinh", MXDecimalSinh, "400"},
        {"cosh", MXDecimalCosh, "-1e100"}, {"acosh", MXDecimalAcosh, "0.99999999999999999999999999999999999999"},
        {"asech", MXDecimalAsech, "0"},   {"asech", MXDecimalAsech, "-0.5"},
        {"asech", MXDecimalAsech, "1.0000000000000000000000000000000000001"},
        {"exp", MXDecimalExp, "380"},     {"exp", MXDecimalExp, "1e100"},    {"ln", MXDecimalLn, "0"},
        {"ln", MXDecimalLn, "-1"},        {"log10", MXDecimalLog10, "-1000"}, {"log2", MXDecimalLog2, "0"},
        {"sin", MXDecimalSin, "x"},       {"tan", MXDecimalTan, "x"},        {"atan", MXDecimalAtan, "x"},
        {"acot", MXDecimalAcot, "x"},     {"sinh", MXDecimalSinh, "x"},      {"sech", MXDecimalSech, "x"},
        {"asinh", MXDecimalAsinh, "x"},   {"acoth", MXDecimalAcoth, "x"},    {"acosh", MXDecimalAcosh, "x"},
        {"exp", MXDecimalExp, "x"},       {"ln", MXDecimalLn, "x"},
        // Odd multiples of pi/2 divide by the zero cosine.
        {"tan", MXDecimalTan, "-1.5707963267948966192313216916397514421"},
        {"tan", MXDecimalTan, "4.7123889803846898576939650749192543263"},
        {"tan", MXDecimalTan, "1.5723671231216915158505530133313911935e3"},
    };
    for (const auto& c : cases) EXPECT_TRUE(c.function(D(c.argument)).isNaN) << c.name << "(" << c.argument << ")";
}

// Small negative arguments once kept only a few digits. Tiny arguments, one next to pi, and
// ones on both sides of the largest that the reduction by pi/2 handles exactly.
TEST(DecimalCircular, SineAndTangentAreOddAndCosineIsEven) {
    for (const char* argument : {"1e-40", "1.5570599106037653898703674515919457429e-30", "0.5",
                                 "3.1415926535897932384626433832795028842", "1000.25", "9.99e18", "1.01e19",
                                 "1e30", "1e36"}) {
        const MXDecimalRecord x = D(argument);
        EXPECT_EQ(text(MXDecimalSin(negated(x))), text(negated(MXDecimalSin(x)))) << argument;
        EXPECT_EQ(text(MXDecimalCos(negated(x))), text(MXDecimalCos(x))) << argument;
        EXPECT_EQ(text(MXDecimalTan(negated(x))), text(negated(MXDecimalTan(x)))) << argument;
    }
}

}  // namespace
