#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "keyboard/KeyboardTextNumbers.h"

namespace {

struct DecimalCase {
    std::u16string text;
    double expected;
};

class LeadingDecimalValueTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(LeadingDecimalValueTest, ReadsTheLongestLeadingNumeral) {
    EXPECT_DOUBLE_EQ(detail::leadingDecimalValue(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Numerals, LeadingDecimalValueTest,
                         testing::Values(DecimalCase{u"1000", 1000}, DecimalCase{u"1234567.5", 1234567.5},
                                         DecimalCase{u"1e-09", 1e-9}, DecimalCase{u"1e+100", 1e100},
                                         DecimalCase{u"-2.5E3", -2500}, DecimalCase{u"+.5", 0.5},
                                         DecimalCase{u"5.", 5}, DecimalCase{u"  42abc", 42},
                                         DecimalCase{u"12;3", 12}, DecimalCase{u"3e", 3},
                                         DecimalCase{u"3e+", 3}, DecimalCase{u"7E2x", 700}));

INSTANTIATE_TEST_SUITE_P(NoNumeral, LeadingDecimalValueTest,
                         testing::Values(DecimalCase{u"", 0}, DecimalCase{u"abc", 0}, DecimalCase{u".", 0},
                                         DecimalCase{u"-", 0}, DecimalCase{u"e5", 0},
                                         DecimalCase{u"sin(dtor($1))", 0}, DecimalCase{u"(5)", 0},
                                         DecimalCase{u"nan", 0}, DecimalCase{u"inf", 0}));

TEST(LeadingDecimalValue, BeyondTheDoubleRange) {
    EXPECT_EQ(detail::leadingDecimalValue(u"1e400"), HUGE_VAL);
    EXPECT_EQ(detail::leadingDecimalValue(u"-1e99999999999999999999"), -HUGE_VAL);
    EXPECT_EQ(detail::leadingDecimalValue(std::u16string(400, u'9')), HUGE_VAL);
    EXPECT_EQ(detail::leadingDecimalValue(u"1e-400"), 0.0);
    EXPECT_EQ(detail::leadingDecimalValue(u"0." + std::u16string(400, u'0') + u"1"), 0.0);
    EXPECT_TRUE(std::signbit(detail::leadingDecimalValue(u"-1e-99999999999999999999")));
}

struct UnsignedCase {
    std::u16string text;
    int base;
    uint64_t expected;
};

class LeadingUnsignedValueTest : public testing::TestWithParam<UnsignedCase> {};

TEST_P(LeadingUnsignedValueTest, ReadsLikeTheCLibrary) {
    EXPECT_EQ(detail::leadingUnsignedValue(GetParam().text, GetParam().base), GetParam().expected);
}

constexpr uint64_t kMaximum = std::numeric_limits<uint64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Bases, LeadingUnsignedValueTest,
    testing::Values(UnsignedCase{u"1011", 2, 11}, UnsignedCase{u"1012", 2, 5}, UnsignedCase{u"2", 2, 0},
                    UnsignedCase{u"777", 8, 511}, UnsignedCase{u"78", 8, 7}, UnsignedCase{u"ff", 16, 255},
                    UnsignedCase{u"FF", 16, 255}, UnsignedCase{u"0xff", 16, 255}, UnsignedCase{u"0Xff", 16, 255},
                    UnsignedCase{u"0x", 16, 0}, UnsignedCase{u"0xg", 16, 0}, UnsignedCase{u"0x1", 2, 0},
                    UnsignedCase{u"zz", 16, 0}, UnsignedCase{u"", 16, 0}, UnsignedCase{u" \t12", 8, 10},
                    UnsignedCase{u"+101", 2, 5}, UnsignedCase{u"-1", 2, kMaximum},
                    UnsignedCase{u"-10", 16, kMaximum - 15}, UnsignedCase{u"ffffffffffffffff", 16, kMaximum},
                    UnsignedCase{u"10000000000000000", 16, kMaximum},
                    UnsignedCase{u"-10000000000000000", 16, kMaximum},
                    UnsignedCase{std::u16string(64, u'1'), 2, kMaximum},
                    UnsignedCase{u"1" + std::u16string(64, u'0'), 2, kMaximum}));

}  // namespace
