// Reading a stored value as another type than it was stored with.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/settings/MXSettingsValue.h"
#include "platform/text/MXText.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

TEST(SettingsValue, ReadsAsEachType) {
    const struct {
        MXSettingsValue value;
        int64_t integer;
        double real;
        std::u16string text;  // the value itself when empty
    } cases[] = {
        {int64_t{-42}, -42, -42.0, u"-42"},
        {kMax, kMax, 9223372036854775807.0, u"9223372036854775807"},
        {kMin, kMin, -9223372036854775808.0, u"-9223372036854775808"},
        {3.7, 3, 3.7, u"3.7"}, {-3.7, -3, -3.7, u"-3.7"}, {1e-9, 0, 1e-9, u"1e-09"}, {5.0, 5, 5.0, u"5"},
        {1e100, kMax, 1e100, u"1e+100"}, {-1e100, kMin, -1e100, u"-1e+100"}, {kInf, kMax, kInf, u"inf"},
        {u"", 0, 0.0, u""}, {u"abc", 0, 0.0, u""}, {u"  -12xyz", -12, -12.0, u""}, {u"+7", 7, 7.0, u""},
        {u"2.5e3x", 2, 2500.0, u""}, {u".5", 0, 0.5, u""}, {u"1e", 1, 1.0, u""}, {u"-", 0, 0.0, u""},
        {u"\t\n 9", 9, 9.0, u""}, {u"99999999999999999999", kMax, 1e20, u""},
        {u"-99999999999999999999", kMin, -1e20, u""}, {u"1e999", 1, kInf, u""}, {u"-1e999", -1, -kInf, u""},
        {u"1e-99999999999999999999", 1, 0.0, u""}, {u"inf", 0, 0.0, u""}, {u"0x10", 0, 0.0, u""},
    };
    for (const auto& c : cases) {
        const std::u16string* stored = std::get_if<std::u16string>(&c.value);
        const std::string name = MXToUtf8(stored ? *stored : c.text);
        EXPECT_EQ(MXSettingsIntegerValue(c.value), c.integer) << name;
        EXPECT_EQ(MXSettingsDoubleValue(c.value), c.real) << name;
        EXPECT_EQ(MXSettingsTextValue(c.value), stored ? *stored : c.text) << name;
    }
}

TEST(SettingsValue, NaNDoubleReadsAsZeroIntegerAndNanText) {
    MXSettingsValue value = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(MXSettingsIntegerValue(value), 0);
    EXPECT_TRUE(std::isnan(MXSettingsDoubleValue(value)));
    EXPECT_EQ(MXSettingsTextValue(value), u"nan");
}

}  // namespace
