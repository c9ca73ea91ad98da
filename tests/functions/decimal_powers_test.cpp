// Square root, powers, factorial and shifts.
#include <cmath>

#include "tests/functions/decimal_support.h"

namespace {

using namespace decimal_test;

INSTANTIATE_TEST_SUITE_P(Power, DecimalBinaryValue, testing::Values(
    BinaryCase{"power", MXDecimalPower, "2", "10", "1024"},
    BinaryCase{"power", MXDecimalPower, "-1.5", "3", "-3.375"},
    BinaryCase{"power", MXDecimalPower, "0", "0", "1"}, BinaryCase{"power", MXDecimalPower, "x", "0", "1"},
    BinaryCase{"power", MXDecimalPower, "2", "-1", "0.5"}, BinaryCase{"power", MXDecimalPower, "1e100", "2", "NaN"},
    BinaryCase{"power", MXDecimalPower, "1", "1e30", "1"},
    BinaryCase{"power", MXDecimalPower, "-8", "0.5", "NaN"}));

INSTANTIATE_TEST_SUITE_P(Shifts, DecimalBinaryValue, testing::Values(
    BinaryCase{"lshift", MXDecimalLeftShift, "3", "2", "12"},
    BinaryCase{"lshift", MXDecimalLeftShift, "5", "-1", "2.5"},
    BinaryCase{"rshift", MXDecimalRightShift, "5", "1", "2.5"},
    BinaryCase{"rshift", MXDecimalRightShift, "1", "1", "0"},
    BinaryCase{"lshift", MXDecimalLeftShift, "1", "-1", "0"},
    BinaryCase{"lshift", MXDecimalLeftShift, "1.5", "0", "1.5"},
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

TEST(DecimalPower, NegativeAndFractionalExponentsGoThroughDoubles) {
    EXPECT_TRUE(same(MXDecimalPower(D("2"), D("0.5")), MXDecimalFromDouble(std::sqrt(atRunTime(2.0)))));
    EXPECT_TRUE(same(MXDecimalPower(D("3"), D("-2")), MXDecimalFromDouble(std::pow(atRunTime(3.0), -2.0))));
}

TEST(DecimalPower, HugeIntegerExponentEndsPromptly) {
    EXPECT_TRUE(MXDecimalPower(D("1.0000000001"), D("1e30")).isNaN);
    EXPECT_TRUE(MXDecimalPower(D("0.5"), D("1e30")).isZero());
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
    Case{"factorial", MXDecimalFactorial, "x", "NaN"}));

TEST(DecimalFactorial, NonIntegersUseTheDoubleGammaFunction) {
    EXPECT_TRUE(same(MXDecimalFactorial(D("0.5")), MXDecimalFromDouble(std::tgamma(atRunTime(1.5)))));
    EXPECT_TRUE(same(MXDecimalFactorial(D("3.5")), MXDecimalFromDouble(std::tgamma(atRunTime(4.5)))));
}

}  // namespace
