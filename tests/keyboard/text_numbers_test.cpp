#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

#include "keyboard/KeyboardTextNumbers.h"

namespace {

TEST(LeadingDecimalValue, ReadsTheLongestLeadingNumeral) {
    const std::pair<std::u16string, double> cases[] = {
        {u"1234567.5", 1234567.5}, {u"-2.5E-3", -0.0025}, {u"+.5", 0.5}, {u"5.", 5}, {u"  42abc", 42},
        {u"3e+", 3}, {u"3e", 3},
        // No numeral at all.
        {u"", 0}, {u".", 0}, {u"-", 0}, {u"e5", 0}, {u"nan", 0}};
    for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(mxcalc::detail::leadingDecimalValue(text), expected);
}

TEST(LeadingDecimalValue, BeyondTheDoubleRange) {
    EXPECT_EQ(mxcalc::detail::leadingDecimalValue(u"1e400"), HUGE_VAL);
    EXPECT_EQ(mxcalc::detail::leadingDecimalValue(u"-1e99999999999999999999"), -HUGE_VAL);
    EXPECT_EQ(mxcalc::detail::leadingDecimalValue(std::u16string(400, u'9')), HUGE_VAL);
    EXPECT_EQ(mxcalc::detail::leadingDecimalValue(u"1e-400"), 0.0);
    EXPECT_EQ(mxcalc::detail::leadingDecimalValue(u"0." + std::u16string(400, u'0') + u"1"), 0.0);
    EXPECT_TRUE(std::signbit(mxcalc::detail::leadingDecimalValue(u"-1e-99999999999999999999")));
}

TEST(LeadingUnsignedValue, ReadsLikeTheCLibrary) {
    constexpr uint64_t kMaximum = std::numeric_limits<uint64_t>::max();
    const std::tuple<std::u16string, int, uint64_t> cases[] = {
        {u"1011", 2, 11}, {u"1012", 2, 5}, {u"FF", 16, 255}, {u"0xff", 16, 255}, {u"0Xff", 16, 255}, {u"0xg", 16, 0},
        {u"0x1", 2, 0}, {u"zz", 16, 0}, {u"", 16, 0}, {u" \t12", 8, 10}, {u"+101", 2, 5}, {u"-10", 16, kMaximum - 15},
        {u"ffffffffffffffff", 16, kMaximum}, {u"10000000000000000", 16, kMaximum},
        {u"-10000000000000000", 16, kMaximum}};
    for (const auto& [text, base, expected] : cases) {
        EXPECT_EQ(mxcalc::detail::leadingUnsignedValue(text, base), expected) << base << " " << expected;
    }
}

}  // namespace
