// The four operations, modulo, the small helpers, predicates, conversions and constants,
// and the checks behind the table fixtures that the other decimal test files instantiate.
#include <cmath>
#include <cstdint>
#include <limits>
#include <thread>
#include <vector>

#include "tests/functions/decimal_support.h"

namespace {

using namespace decimal_test;

INSTANTIATE_TEST_SUITE_P(Arithmetic, DecimalBinaryValue, testing::Values(
    BinaryCase{"add", MXDecimalAdd, "0.1", "0.2", "0.3"},
    BinaryCase{"subtract", MXDecimalSubtract, "1", "1e-37", "0.9999999999999999999999999999999999999"},
    BinaryCase{"multiply", MXDecimalMultiply, "-1.5", "4", "-6"},
    BinaryCase{"divide", MXDecimalDivide, "1", "3", "0.33333333333333333333333333333333333333"},
    BinaryCase{"divide by zero", MXDecimalDivide, "1", "0", "NaN"},
    BinaryCase{"average", MXDecimalAverage2, "1", "2", "1.5"},
    BinaryCase{"average of opposites", MXDecimalAverage2, "-7", "7", "0"}));

INSTANTIATE_TEST_SUITE_P(Modulo, DecimalBinaryValue, testing::Values(
    BinaryCase{"mod", MXDecimalMod, "-1", "3", "2"}, BinaryCase{"mod", MXDecimalMod, "7", "-3", "-2"},
    BinaryCase{"mod", MXDecimalMod, "-7", "-3", "-1"}, BinaryCase{"mod", MXDecimalMod, "5.5", "2", "1.5"},
    BinaryCase{"mod", MXDecimalMod, "6", "3", "0"}, BinaryCase{"mod by zero", MXDecimalMod, "1", "0", "NaN"},
    BinaryCase{"mod of not-a-number", MXDecimalMod, "x", "3", "NaN"}));

TEST(DecimalModTwoPi, ReducesIntoHalfOpenIntervalAroundZero) {
    const MXDecimalRecord threeHalvesPi = MXDecimalMultiply(MXDecimalPi(), D("1.5"));
    const MXDecimalRecord minusHalfPi = MXDecimalMultiply(MXDecimalPi_2(), MXDecimalNegativeOne());
    EXPECT_GE(agreedDigits(MXDecimalMod2Pi(threeHalvesPi), minusHalfPi), 36);
    EXPECT_EQ(text(MXDecimalMod2Pi(MXDecimalPi())), text(MXDecimalPi()));
    EXPECT_EQ(text(MXDecimalMod2Pi(D("1"))), "1");
    EXPECT_EQ(text(MXDecimalMod2Pi(MXDecimalSubtract(D("1"), MXDecimal2Pi()))), "1");
    EXPECT_TRUE(MXDecimalMod2Pi(MXDecimalNAN()).isNaN);
}

MXDecimalRecord inverted(MXDecimalRecord x) {
    MXDecimalInvert(x);
    return x;
}

INSTANTIATE_TEST_SUITE_P(Helpers, DecimalValue, testing::Values(
    Case{"negate", negated, "5", "-5"}, Case{"negate", negated, "-0.25", "0.25"},
    Case{"invert", inverted, "4", "0.25"}, Case{"invert", inverted, "0", "NaN"},
    Case{"inverse", MXDecimalInverse, "-8", "-0.125"},
    Case{"absolute value", MXDecimalAbsoluteValue, "-2.5", "2.5"},
    Case{"absolute value", MXDecimalAbsoluteValue, "x", "NaN"}));

TEST(DecimalNegate, LeavesZeroNonNegative) {
    MXDecimalRecord zero = MXDecimalZero();
    MXDecimalNegate(zero);
    EXPECT_FALSE(MXDecimalIsNegative(zero));
    EXPECT_TRUE(zero.isZero());
}

TEST(DecimalPredicates, NegativeAndInteger) {
    for (const char* negative : {"-1e-100", "-3"}) EXPECT_TRUE(MXDecimalIsNegative(D(negative))) << negative;
    for (const char* other : {"0", "2", "x"}) EXPECT_FALSE(MXDecimalIsNegative(D(other))) << other;
    for (const char* integer : {"3", "-2", "1e100", "0"}) EXPECT_TRUE(MXDecimalIsInteger(D(integer))) << integer;
    for (const char* other : {"3.5", "-0.5", "1e-30", "x"}) EXPECT_FALSE(MXDecimalIsInteger(D(other))) << other;
}

TEST(DecimalPredicates, ProbablyEqualAllowsOnlyDifferencesBelowEpsilon) {
    EXPECT_FALSE(MXDecimalIsProbablyEqual(D("1"), D("1.0000000000000000000000000000000000001")));
    EXPECT_TRUE(MXDecimalIsProbablyEqual(D("1e-70"), D("2e-70")));
    EXPECT_TRUE(MXDecimalIsProbablyEqual(D("-3.25"), D("-3.25")));
    EXPECT_FALSE(MXDecimalIsProbablyEqual(MXDecimalNAN(), MXDecimalNAN()));
}

TEST(DecimalConversions, IntegersConvertExactly) {
    EXPECT_EQ(text(MXDecimalFromInteger(std::numeric_limits<int64_t>::min())), "-9223372036854775808");
    EXPECT_EQ(text(MXDecimalFromInteger(120)), "120");
    EXPECT_TRUE(MXDecimalFromInteger(0).isZero());
    EXPECT_EQ(MXUIntegerFromDecimal(D("12.9")), 12u);
    EXPECT_EQ(MXUIntegerFromDecimal(D("18446744073709551615")), UINT64_MAX);
    EXPECT_EQ(MXUIntegerFromDecimal(D("1e30")), UINT64_MAX);
    EXPECT_EQ(MXUIntegerFromDecimal(D("-3")), 0u);
    EXPECT_EQ(MXUIntegerFromDecimal(MXDecimalNAN()), 0u);
}

TEST(DecimalConversions, DoublesConvertThroughTheirShortestDigits) {
    EXPECT_EQ(text(MXDecimalFromDouble(0.1)), "0.1");
    EXPECT_EQ(text(MXDecimalFromDouble(-2.5e-10)), "-0.00000000025");
    EXPECT_TRUE(MXDecimalFromDouble(std::nan("")).isNaN);
    EXPECT_EQ(MXDoubleFromDecimal(D("0.1")), 0.1);
    EXPECT_EQ(MXDoubleFromDecimal(D("-1e100")), -1e100);
    EXPECT_TRUE(std::isnan(MXDoubleFromDecimal(MXDecimalNAN())));
}

TEST(DecimalConstants, FirstUseFromManyThreadsGivesOneValue) {
    std::vector<std::string> seen(8);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&seen, i] { seen[i] = text(MXDecimalLog10e()) + text(MXDecimal2Pi()); });
    }
    for (auto& thread : threads) thread.join();
    for (const std::string& value : seen) EXPECT_EQ(value, seen.front());
    EXPECT_EQ(seen.front().substr(0, 6), "0.4342");
}

TEST_P(DecimalValue, Agrees) {
    const Case& c = GetParam();
    const MXDecimalRecord result = c.function(D(c.argument));
    EXPECT_GE(agreedDigits(result, D(c.expected)), c.digits)
        << c.name << "(" << c.argument << ") = " << text(result) << ", expected " << c.expected;
}

TEST_P(DecimalBinaryValue, IsExact) {
    const BinaryCase& c = GetParam();
    EXPECT_EQ(text(c.function(D(c.left), D(c.right))), c.expected);
}

}  // namespace
