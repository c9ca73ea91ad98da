// Square root, powers, roots, factorial, gamma and shifts.
#include "tests/functions/decimal_support.h"

namespace {

using namespace decimal_test;

// Integer exponents exact, other results exact where they are short, the ends of the range,
// and the bases that have no real power.
INSTANTIATE_TEST_SUITE_P(Power, DecimalBinaryValue, testing::Values(
    BinaryCase{"power", MXDecimalPower, "2", "10", "1024"},
    BinaryCase{"power", MXDecimalPower, "-1.5", "3", "-3.375"},
    BinaryCase{"power", MXDecimalPower, "0", "0", "1"}, BinaryCase{"power", MXDecimalPower, "x", "0", "1"},
    BinaryCase{"power", MXDecimalPower, "2", "-1", "0.5"}, BinaryCase{"power", MXDecimalPower, "-2", "-3", "-0.125"},
    BinaryCase{"power", MXDecimalPower, "4", "0.5", "2"}, BinaryCase{"power", MXDecimalPower, "0.0625", "-0.25", "2"},
    BinaryCase{"power", MXDecimalPower, "1.44", "1.5", "1.728"},
    BinaryCase{"power", MXDecimalPower, "1267650600228229401496703205376", "0.01", "2"},
    BinaryCase{"power", MXDecimalPower, "1e100", "2", "NaN"}, BinaryCase{"power", MXDecimalPower, "10", "200.5", "NaN"},
    BinaryCase{"power", MXDecimalPower, "1e100", "-2", "0"}, BinaryCase{"power", MXDecimalPower, "1", "1e30", "1"},
    BinaryCase{"power", MXDecimalPower, "0", "0.5", "0"}, BinaryCase{"power", MXDecimalPower, "0", "-1", "NaN"},
    BinaryCase{"power", MXDecimalPower, "-8", "0.5", "NaN"}, BinaryCase{"power", MXDecimalPower, "2", "x", "NaN"},
    BinaryCase{"power", MXDecimalPower, "-8", "0.33333333333333333333333333333333333333", "NaN"}));

// An integer index of at least 2 takes the root itself, exact where it is exact; any other
// index gives the power 1/index.
INSTANTIATE_TEST_SUITE_P(IndexedRoots, DecimalBinaryValue, testing::Values(
    BinaryCase{"root", MXDecimalRoot, "8", "3", "2"}, BinaryCase{"root", MXDecimalRoot, "0.0625", "4", "0.5"},
    BinaryCase{"root", MXDecimalRoot, "27", "-3", "0.33333333333333333333333333333333333333"},
    BinaryCase{"root", MXDecimalRoot, "1267650600228229401496703205376", "100", "2"},
    BinaryCase{"root", MXDecimalRoot, "2", "2", "1.4142135623730950488016887242096980786"},
    BinaryCase{"root", MXDecimalRoot, "16", "0.5", "256"}, BinaryCase{"root", MXDecimalRoot, "-8", "1", "-8"},
    BinaryCase{"root", MXDecimalRoot, "0", "3", "0"}, BinaryCase{"root", MXDecimalRoot, "0", "-3", "NaN"},
    BinaryCase{"root", MXDecimalRoot, "-8", "3", "NaN"}, BinaryCase{"root", MXDecimalRoot, "16", "0", "NaN"}));

INSTANTIATE_TEST_SUITE_P(Shifts, DecimalBinaryValue, testing::Values(
    BinaryCase{"lshift", MXDecimalLeftShift, "3", "2", "12"}, BinaryCase{"lshift", MXDecimalLeftShift, "5", "-1", "2.5"},
    BinaryCase{"rshift", MXDecimalRightShift, "5", "1", "2.5"}, BinaryCase{"rshift", MXDecimalRightShift, "1", "1", "0"},
    BinaryCase{"lshift", MXDecimalLeftShift, "1", "-1", "0"}, BinaryCase{"lshift", MXDecimalLeftShift, "1.5", "0", "1.5"},
    BinaryCase{"lshift of a negative value", MXDecimalLeftShift, "-3", "1", "-6"},
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
    EXPECT_TRUE(same(MXDecimalPower(D("1e-50"), D("-3")), D("1e150")));
    const MXDecimalRecord tinyCubed = MXDecimalPower(D("1.2345e-40"), D("-3"));
    EXPECT_GE(agreedDigits(tinyCubed, D("5.3152869741153840791462670628391628268e119")), 37) << text(tinyCubed);
    EXPECT_TRUE(MXDecimalPower(D("1.0000000001"), D("1e30")).isNaN);
    EXPECT_TRUE(MXDecimalPower(D("0.5"), D("1e30")).isZero());
    EXPECT_EQ(text(MXDecimalPower(D("-1"), D("-1e30"))), "1");
    const MXDecimalRecord nearE = MXDecimalPower(D("1.0000000000000000000000000000000000001"), D("1e37"));
    EXPECT_GE(agreedDigits(nearE, D("2.7182818284590452353602874713526624976")), 36) << text(nearE);
}

INSTANTIATE_TEST_SUITE_P(Roots, DecimalValue, testing::Values(
    Case{"sqrt", MXDecimalSqrt, "1e10", "1e5"}, Case{"sqrt", MXDecimalSqrt, "0", "0"},
    Case{"sqrt", MXDecimalSqrt, "0.0144", "0.12"},
    Case{"sqrt", MXDecimalSqrt, "2", "1.4142135623730950488016887242096980786", 37},
    // A 38-digit integer and tiny values: far from where an exponent-halving guess lands.
    Case{"sqrt", MXDecimalSqrt, "12345678901234567890123456789012345678", "3513641828820144253.1112223816998829390", 37},
    Case{"sqrt", MXDecimalSqrt, "3e-120", "1.7320508075688772935274463415058723669e-60", 37},
    Case{"sqrt", MXDecimalSqrt, "5.0000000000000000000000000000000000001e-31", "7.0710678118654752440084436210484903929e-16", 37},
    Case{"sqrt", MXDecimalSqrt, "9.8765432109876543210987654321098765432e160", "3.1426968054503212482019843154305945497e80", 37},
    Case{"sqrt", MXDecimalSqrt, "-4", "NaN"},
    Case{"sqrt", MXDecimalSqrt, "x", "NaN"}));

INSTANTIATE_TEST_SUITE_P(Factorials, DecimalValue, testing::Values(
    Case{"factorial", MXDecimalFactorial, "5", "120"}, Case{"factorial", MXDecimalFactorial, "-5", "120"},
    Case{"factorial", MXDecimalFactorial, "0", "1"},
    Case{"factorial", MXDecimalFactorial, "25", "15511210043330985984000000"},
    Case{"factorial", MXDecimalFactorial, "103", "9.9029007164861804075467152545817733491e163", 34},
    Case{"factorial", MXDecimalFactorial, "104", "NaN"}, Case{"factorial", MXDecimalFactorial, "-1e120", "NaN"},
    Case{"factorial", MXDecimalFactorial, "x", "NaN"},
    Case{"factorial", MXDecimalFactorial, "0.5", "0.88622692545275801364908374167057259140", 36},
    Case{"factorial", MXDecimalFactorial, "-3.5", "-0.94530872048294188122568932444861076416", 36}));

// The gamma function: integers exact, poles not-a-number, next to a pole and a half-integer
// to 36 digits, the ends of the range promptly.
INSTANTIATE_TEST_SUITE_P(Gamma, DecimalValue, testing::Values(
    Case{"gamma", MXDecimalGamma, "1", "1"}, Case{"gamma", MXDecimalGamma, "5", "24"},
    Case{"gamma", MXDecimalGamma, "0", "NaN"}, Case{"gamma", MXDecimalGamma, "-3", "NaN"},
    Case{"gamma", MXDecimalGamma, "1e-30", "999999999999999999999999999999.42278433509846713939", 36},
    Case{"gamma", MXDecimalGamma, "0.5", "1.7724538509055160272981674833411451828", 36},
    Case{"gamma", MXDecimalGamma, "106", "NaN"}, Case{"gamma", MXDecimalGamma, "1e30", "NaN"},
    Case{"gamma", MXDecimalGamma, "-200.5", "0"},
    Case{"gamma", MXDecimalGamma, "-999999999999999999999999999999.5", "0"},
    Case{"gamma", MXDecimalGamma, "x", "NaN"}));

}  // namespace
