// Separators, typed numbers in the user's notation, and the display format of results.
#include <tuple>

#include "tests/support/keyboard_fixture.h"

namespace {

struct LocaleCase {
    std::u16string locale, decimal, group, typed, display;
};

class KeyboardLocales : public KeyboardTest, public testing::WithParamInterface<LocaleCase> {};

TEST_P(KeyboardLocales, ReadAndShowNumbersInTheUsersNotation) {
    setLocale(GetParam().locale);
    EXPECT_EQ(controller().getNumDecimalSeparator(), GetParam().decimal);
    EXPECT_EQ(controller().getNumGroupSeparator(), GetParam().group);
    EXPECT_EQ(controller().getNumAggregateSeparator(), u";");
    EXPECT_EQ(shown(GetParam().typed), resultTitle(GetParam().display));
}

const LocaleCase kLocales[] = {
    {u"de_DE", u",", u" ", u"avg(1 234,25;1 234,75)", u"1 234,5"},
    // Arabic results use Western digits, a negative one after a left-to-right mark; ar_EH keeps
    // the point.
    {u"ar_SA", u"\u066B", u",", u"1234\u066B5", u"1,234\u066B5"}, {u"ar_EH", u".", u",", u"1234.5", u"1,234.5"},
    {u"ar", u"\u066B", u",", u"-9876543\u066B21", u"\u200E-9,876,543\u066B21"},
    {u"en_US_POSIX", u".", u",", u"1/10^9", u"1E-9"},
};
INSTANTIATE_TEST_SUITE_P(Locales, KeyboardLocales, testing::ValuesIn(kLocales));

TEST_F(KeyboardTest, DecimalDotMakesThePointTheDecimalSeparatorInEveryLocale) {
    ASSERT_TRUE(store_.setInteger(1, KeyboardKeyDecimalDot));
    for (std::u16string_view locale : {u"de_DE", u"ar_SA"}) {
        setLocale(locale);
        EXPECT_EQ(controller().getNumDecimalSeparator(), u".");
        EXPECT_EQ(controller().getNumGroupSeparator(), u",");
        EXPECT_EQ(controller().getNumWithDecimalPoint(u"1,234.5"), u"1234.5");
    }
    setLocale(u"de_DE");
    EXPECT_EQ(shown(u"1234.5"), u" = 1,234.5");
    EXPECT_EQ(controller().getNumWithLocalFormat(u"1234567.5", false), u"1234567.5");
    ASSERT_TRUE(store_.setInteger(0, KeyboardKeyDecimalDot));
    EXPECT_EQ(controller().getNumDecimalSeparator(), u",");
    EXPECT_EQ(controller().getNumWithDecimalPoint(u"1 234 567,89"), u"1234567.89");
    EXPECT_EQ(controller().getNumWithLocalFormat(u"1234567.5", false), u"1234567,5");
}

TEST_F(KeyboardTest, FormatsTheLeadingNumber) {
    // Precision stored, text, display: at most that many fraction digits, and values up to
    // 1/10^k in scientific style, k = P - P/4 for P up to 11. 0 (in 32 bits) means 11.
    const std::tuple<int64_t, std::u16string, std::u16string> cases[] = {
        {11, u"0", u"0"}, {11, u"", u"0"}, {11, u"1e-09", u"1E-9"}, {11, u"1e-08", u"0.00000001"},
        {11, u"12345678901234", u"12,345,678,901,234"}, {11, u"99999999999998.9", u"99,999,999,999,998.9"},
        {11, u"99999999999999", u"1E14"}, {11, u"123456789012345", u"1.23456789012E14"},
        {2, u"0.001", u"1E-3"}, {2, u"0.02", u"0.02"}, {2, u"0.125", u"0.12"}, {2, u"0.375", u"0.38"},
        {2, u"2.50", u"2.5"}, {3, u"-1234.5678", u"-1,234.568"}, {2, u"12x", u"12"}, {4, u"-0.001", u"-1E-3"},
        {4, u"0.002", u"0.002"}, {13, u"2e-09", u"0.000000002"}, {13, u"0.6666666666666666", u"0.6666666666667"},
        {0, u"0.123456789012345", u"0.12345678901"}, {int64_t{1} << 32, u"0.123456789012345", u"0.12345678901"},
        {(int64_t{1} << 32) + 2, u"0.123456789012345", u"0.12"},
    };
    for (const auto& [precision, text, formatted] : cases) {
        setPrecision(precision);
        EXPECT_EQ(controller().getNumWithLocalFormat(text), formatted) << MXToUtf8(text);
    }
}

}  // namespace
