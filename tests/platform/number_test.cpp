// MXNumber: descriptions, integer accessors, comparison and hashing across its kinds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include "platform/number/MXNumber.h"

namespace {

MXNumber decimal(const char* text) {
    return MXNumber::numberWithDecimal(MXDecimalRecordFromString(std::string_view(text)));
}

// Doubles print in fixed notation for 1e-4 <= |x| < 1e16, as a typed number does.
TEST(MXNumberDescription, FixedNotationForTheRangeOfTypedNumbers) {
    const std::pair<double, std::u16string> cases[] = {
        {1e-4, u"0.0001"}, {1e-5, u"1e-05"}, {100000.0, u"100000"}, {9999999999999998.0, u"9999999999999998"},
        {1e16, u"1e+16"},
    };
    for (const auto& [number, expected] : cases) EXPECT_EQ(MXNumber(number).description(), expected);
}

TEST(MXNumberAccessors, TruncateTowardZeroAndSaturate) {
    const double inf = std::numeric_limits<double>::infinity();
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr uint64_t kTop = std::numeric_limits<uint64_t>::max();
    const std::tuple<MXNumber, int64_t, uint64_t> cases[] = {
        {MXNumber(-2.9), -2, 0}, {MXNumber(std::nan("")), 0, 0}, {MXNumber(inf), kMax, kTop},
        {MXNumber(-inf), std::numeric_limits<int64_t>::min(), 0}, {MXNumber(1e19), kMax, 10000000000000000000ull},
        {MXNumber::numberWithLongLong(-1), -1, kTop}, {decimal("-7.9"), -7, 0},
        {decimal("123456789012345678.9"), 123456789012345678, 123456789012345678}, {decimal("1e30"), kMax, kTop},
        {MXNumber::numberWithDecimal(MXDecimalRecord::notANumber()), 0, 0},
    };
    for (const auto& [number, signedValue, unsignedValue] : cases) {
        EXPECT_EQ(number.longLongValue(), signedValue) << number.doubleValue();
        EXPECT_EQ(number.unsignedIntegerValue(), unsignedValue) << number.doubleValue();
    }
}

TEST(MXNumberAccessors, BoolIsNonZero) {
    EXPECT_FALSE(MXNumber(0.0).boolValue());
    EXPECT_TRUE(MXNumber(0.5).boolValue());
    EXPECT_FALSE(decimal("0").boolValue());
    EXPECT_TRUE(decimal("-0.0001").boolValue());
}

TEST(MXNumberCompare, OrdersAcrossKinds) {
    const std::tuple<MXNumber, MXNumber, int> cases[] = {
        {MXNumber(0.1), decimal("0.1"), 0}, {MXNumber::numberWithLongLong(3), MXNumber(2.5), 1},
        {MXNumber::numberWithUnsignedLongLong(18446744073709551615ull), MXNumber::numberWithLongLong(-1), 1},
        {MXNumber::numberWithLongLong(9007199254740993), MXNumber(9007199254740992.0), 1},
        {decimal("1.0000000000000000000000000000000000001"), decimal("1"), 1},
        {MXNumber(std::nan("")), MXNumber(-1e308), -1}, {MXNumber(std::nan("")), MXNumber(std::nan("")), 0},
    };
    for (const auto& [left, right, expected] : cases) {
        EXPECT_EQ(left.compare(right), expected) << left.doubleValue();
        EXPECT_EQ(right.compare(left), -expected) << left.doubleValue();
    }
}

TEST(MXNumberHash, EqualNumbersHashEqually) {
    const std::pair<MXNumber, MXNumber> pairs[] = {
        {MXNumber(0.25), decimal("0.25")}, {MXNumber(-0.0), MXNumber(0.0)},
        {MXNumber::numberWithLongLong(7), MXNumber(7.0)}, {MXNumber(std::nan("")), MXNumber(std::nan(""))},
    };
    for (const auto& [left, right] : pairs) {
        ASSERT_TRUE(left.isEqualToNumber(right));
        EXPECT_EQ(left.hash(), right.hash());
    }
}

}  // namespace
