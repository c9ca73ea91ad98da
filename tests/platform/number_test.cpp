// MXNumber: descriptions and integer accessors across its kinds.
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

TEST(MXNumberAccessors, IntegersTruncateTowardZeroAndSaturateAndBoolIsNonZero) {
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
    EXPECT_FALSE(MXNumber(0.0).boolValue());
    EXPECT_TRUE(MXNumber(0.5).boolValue());
}

}  // namespace
