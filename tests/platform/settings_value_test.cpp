// Reading a stored value as another type than it was stored with.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/settings/MXSettingsValue.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

struct ConversionCase {
    MXSettingsValue value;
    int64_t integer;
    double real;
    std::u16string text;
};

class SettingsValueConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(SettingsValueConversion, ReadsAsEachType) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(MXSettingsIntegerValue(c.value), c.integer);
    EXPECT_EQ(MXSettingsDoubleValue(c.value), c.real);
    EXPECT_EQ(MXSettingsTextValue(c.value), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Integers, SettingsValueConversion,
    ::testing::Values(ConversionCase{int64_t{0}, 0, 0.0, u"0"}, ConversionCase{int64_t{-42}, -42, -42.0, u"-42"},
                      ConversionCase{kMax, kMax, 9223372036854775807.0, u"9223372036854775807"},
                      ConversionCase{kMin, kMin, -9223372036854775808.0, u"-9223372036854775808"}));

INSTANTIATE_TEST_SUITE_P(
    Doubles, SettingsValueConversion,
    ::testing::Values(ConversionCase{3.7, 3, 3.7, u"3.7"}, ConversionCase{-3.7, -3, -3.7, u"-3.7"},
                      ConversionCase{0.1, 0, 0.1, u"0.1"}, ConversionCase{1e-9, 0, 1e-9, u"1e-09"},
                      ConversionCase{1e100, kMax, 1e100, u"1e+100"}, ConversionCase{-1e100, kMin, -1e100, u"-1e+100"},
                      ConversionCase{kInf, kMax, kInf, u"inf"}, ConversionCase{5.0, 5, 5.0, u"5"}));

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsValueConversion,
    ::testing::Values(ConversionCase{u"", 0, 0.0, u""}, ConversionCase{u"abc", 0, 0.0, u"abc"},
                      ConversionCase{u"3.7", 3, 3.7, u"3.7"}, ConversionCase{u"  -12xyz", -12, -12.0, u"  -12xyz"},
                      ConversionCase{u"+7", 7, 7.0, u"+7"}, ConversionCase{u"2.5e3x", 2, 2500.0, u"2.5e3x"},
                      ConversionCase{u".5", 0, 0.5, u".5"}, ConversionCase{u"1e", 1, 1.0, u"1e"},
                      ConversionCase{u"-", 0, 0.0, u"-"}, ConversionCase{u"\t\n 9", 9, 9.0, u"\t\n 9"},
                      ConversionCase{u"99999999999999999999", kMax, 1e20, u"99999999999999999999"},
                      ConversionCase{u"-99999999999999999999", kMin, -1e20, u"-99999999999999999999"},
                      ConversionCase{u"1e999", 1, kInf, u"1e999"}, ConversionCase{u"-1e999", -1, -kInf, u"-1e999"},
                      ConversionCase{u"1e-999", 1, 0.0, u"1e-999"},
                      ConversionCase{u"1e-99999999999999999999", 1, 0.0, u"1e-99999999999999999999"},
                      ConversionCase{u"inf", 0, 0.0, u"inf"}, ConversionCase{u"0x10", 0, 0.0, u"0x10"}));

TEST(SettingsValue, NaNDoubleReadsAsZeroIntegerAndNanText) {
    MXSettingsValue value = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(MXSettingsIntegerValue(value), 0);
    EXPECT_TRUE(std::isnan(MXSettingsDoubleValue(value)));
    EXPECT_EQ(MXSettingsTextValue(value), u"nan");
}

TEST(SettingsValue, TypeFollowsTheStoredAlternative) {
    EXPECT_EQ(MXSettingsTypeOf(MXSettingsValue(int64_t{1})), MXSettingsType::Integer);
    EXPECT_EQ(MXSettingsTypeOf(MXSettingsValue(1.0)), MXSettingsType::Double);
    EXPECT_EQ(MXSettingsTypeOf(MXSettingsValue(u"1")), MXSettingsType::Text);
}

TEST(SettingsValue, ShortestDoubleTextReadsBackExactly) {
    for (double value : {0.1 + 0.2, 1.0 / 3.0, 123456789.125, 5e-324, 1.7976931348623157e308}) {
        std::string text = MXShortestDoubleText(value);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
    }
}

}  // namespace
