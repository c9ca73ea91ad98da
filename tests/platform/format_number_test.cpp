// Number formatting: styles, fraction digits, rounding, grouping and locale symbols.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/format/MXNumberFormatter.h"
#include "platform/text/MXText.h"
#include "tests/platform/format_DeviceFixture.h"

namespace {

MXNumberFormatter formatter(std::u16string_view locale, MXNumberFormatterStyle style, int64_t fractionDigits) {
    MXNumberFormatter f;
    f.setLocale(MXLocale(locale));
    f.setNumberStyle(style);
    f.setMaximumFractionDigits(fractionDigits);
    return f;
}

std::string decimalText(std::u16string_view locale, double value, int64_t fractionDigits, bool grouping = true) {
    MXNumberFormatter f = formatter(locale, MXNumberFormatterStyle::DecimalStyle, fractionDigits);
    f.setUsesGroupingSeparator(grouping);
    return MXToUtf8(f.stringFromNumber(value));
}

std::string scientificText(std::u16string_view locale, double value, int64_t fractionDigits) {
    return MXToUtf8(formatter(locale, MXNumberFormatterStyle::ScientificStyle, fractionDigits).stringFromNumber(value));
}

// 2/3 with 1 to 13 fraction digits, and a value with a trailing-zero tail.
TEST(NumberFormatterFractionDigits, RoundsToAtMostTheDigitsAndDropsTrailingZeros) {
    const char* twoThirds[] = {"0.7",        "0.67",        "0.667",        "0.6667",         "0.66667",
                               "0.666667",   "0.6666667",   "0.66666667",   "0.666666667",    "0.6666666667",
                               "0.66666666667", "0.666666666667", "0.6666666666667"};
    for (int64_t digits = 1; digits <= 13; ++digits) {
        EXPECT_EQ(decimalText(u"en_US", 2.0 / 3.0, digits), twoThirds[digits - 1]) << digits;
        EXPECT_EQ(decimalText(u"en_US", 1.5, digits), "1.5") << digits;
        EXPECT_EQ(decimalText(u"en_US", 0.1 + 0.2, digits), "0.3") << digits;
    }
}

TEST(NumberFormatterFractionDigits, SeventeenDigitsShowTheDoubleError) {
    EXPECT_EQ(decimalText(u"en_US", 0.1 + 0.2, 17), "0.30000000000000004");
}

struct RoundingCase {
    double value;
    int64_t digits;
    const char* expected;
};

class NumberFormatterRounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(NumberFormatterRounding, HalfToEven) {
    EXPECT_EQ(decimalText(u"en_US", GetParam().value, GetParam().digits), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Ties, NumberFormatterRounding,
                         ::testing::Values(RoundingCase{0.125, 2, "0.12"}, RoundingCase{0.375, 2, "0.38"},
                                           RoundingCase{2.5, 0, "2"}, RoundingCase{3.5, 0, "4"},
                                           RoundingCase{-2.5, 0, "-2"}, RoundingCase{1234567.125, 2, "1,234,567.12"},
                                           RoundingCase{9.96, 1, "10"}, RoundingCase{0.0, 11, "0"},
                                           RoundingCase{0.004, 2, "0"}));

TEST(NumberFormatterRounding, OtherModes) {
    MXNumberFormatter f = formatter(u"en_US", MXNumberFormatterStyle::DecimalStyle, 0);
    f.setRoundingMode(MXNumberFormatterRoundingMode::HalfUp);
    EXPECT_EQ(f.stringFromNumber(2.5), u"3");
    f.setRoundingMode(MXNumberFormatterRoundingMode::Floor);
    EXPECT_EQ(f.stringFromNumber(-2.1), u"-3");
    f.setRoundingMode(MXNumberFormatterRoundingMode::Down);
    EXPECT_EQ(f.stringFromNumber(-2.9), u"-2");
}

struct LocaleCase {
    const char16_t* locale;
    const char* decimalSeparator;
    const char* groupingSeparator;
    const char* grouped;      // 1234567.125 with 3 fraction digits
    const char* ungrouped;
    const char* scientific;   // 1.5e-9 with 11 fraction digits
};

class NumberFormatterLocales : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(NumberFormatterLocales, UseTheLocalesDigitsAndSymbols) {
    const LocaleCase& c = GetParam();
    MXNumberFormatter f = formatter(c.locale, MXNumberFormatterStyle::DecimalStyle, 3);
    EXPECT_EQ(MXToUtf8(f.decimalSeparator()), c.decimalSeparator);
    EXPECT_EQ(MXToUtf8(f.groupingSeparator()), c.groupingSeparator);
    EXPECT_EQ(decimalText(c.locale, 1234567.125, 3), c.grouped);
    EXPECT_EQ(decimalText(c.locale, 1234567.125, 3, false), c.ungrouped);
    EXPECT_EQ(scientificText(c.locale, 1.5e-9, 11), c.scientific);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, NumberFormatterLocales,
    ::testing::Values(
        LocaleCase{u"en_US", ".", ",", "1,234,567.125", "1234567.125", "1.5E-9"},
        LocaleCase{u"de_DE", ",", ".", "1.234.567,125", "1234567,125", "1,5E-9"},
        LocaleCase{u"fr_FR", ",", "\u202f", "1\u202f234\u202f567,125", "1234567,125", "1,5E-9"},
        LocaleCase{u"ar_SA", "\u066b", "\u066c", "\u0661\u066c\u0662\u0663\u0664\u066c\u0665\u0666\u0667\u066b\u0661\u0662\u0665",
                   "\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u066b\u0661\u0662\u0665",
                   "\u0661\u066b\u0665\u0627\u0633\u061c-\u0669"},
        LocaleCase{u"ar_EH", ".", ",", "1,234,567.125", "1234567.125", "1.5E\u200e-9"},
        LocaleCase{u"ar_MA", ",", ".", "1.234.567,125", "1234567,125", "1,5E\u200e-9"},
        LocaleCase{u"", ".", ",", "1,234,567.125", "1234567.125", "1.5E-9"}));

// The keyboard's set-up: its own separators, grouping in threes, a locale's digits.
struct ExplicitCase {
    const char16_t* locale;
    const char16_t* groupingSeparator;
    const char16_t* decimalSeparator;
    const char* expected;
};

class NumberFormatterExplicitSymbols : public ::testing::TestWithParam<ExplicitCase> {};

TEST_P(NumberFormatterExplicitSymbols, OverrideTheLocaleAndSurviveALocaleChange) {
    const ExplicitCase& c = GetParam();
    MXNumberFormatter f;
    f.setGroupingSeparator(c.groupingSeparator);
    f.setGroupingSize(3);
    f.setLocale(MXLocale(c.locale));
    f.setUsesGroupingSeparator(true);
    f.setDecimalSeparator(c.decimalSeparator);
    f.setNumberStyle(MXNumberFormatterStyle::DecimalStyle);
    f.setMaximumFractionDigits(11);
    EXPECT_EQ(MXToUtf8(f.stringFromNumber(1234567.5)), c.expected);
    EXPECT_EQ(f.groupingSeparator(), c.groupingSeparator);
    EXPECT_EQ(f.decimalSeparator(), c.decimalSeparator);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, NumberFormatterExplicitSymbols,
    ::testing::Values(ExplicitCase{u"en_US", u",", u".", "1,234,567.5"}, ExplicitCase{u"de_DE", u" ", u",", "1 234 567,5"},
                      ExplicitCase{u"fr_FR", u" ", u",", "1 234 567,5"}, ExplicitCase{u"ar_MA", u",", u".", "1,234,567.5"},
                      ExplicitCase{u"ar_EH", u",", u".", "1,234,567.5"},
                      ExplicitCase{u"ar_SA", u",", u".", "\u0661,\u0662\u0663\u0664,\u0665\u0666\u0667.\u0665"},
                      ExplicitCase{u"hi_IN", u",", u".", "1,234,567.5"}));

TEST(NumberFormatterGrouping, SizeAppliesToEveryGroup) {
    MXNumberFormatter f = formatter(u"en_US", MXNumberFormatterStyle::DecimalStyle, 0);
    f.setGroupingSize(2);
    EXPECT_EQ(f.stringFromNumber(1234567), u"1,23,45,67");
    EXPECT_EQ(f.groupingSize(), 2);
    f.setGroupingSize(-4);
    EXPECT_EQ(f.groupingSize(), 0);
    EXPECT_EQ(f.stringFromNumber(1234567), u"1234567");
}

TEST(NumberFormatterGrouping, OffWritesAllDigitsTogether) {
    EXPECT_EQ(decimalText(u"en_US", 12345678901234.0, 11, false), "12345678901234");
    EXPECT_EQ(decimalText(u"en_US", 12345678901234.0, 11, true), "12,345,678,901,234");
    EXPECT_EQ(decimalText(u"en_US", -1000.25, 11, true), "-1,000.25");
    EXPECT_EQ(decimalText(u"en_US", 999.0, 11, true), "999");
}

struct ScientificCase {
    double value;
    int64_t digits;
    const char* expected;
};

class NumberFormatterScientific : public ::testing::TestWithParam<ScientificCase> {};

TEST_P(NumberFormatterScientific, OneIntegerDigitThenTheExponent) {
    EXPECT_EQ(scientificText(u"en_US", GetParam().value, GetParam().digits), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberFormatterScientific,
    ::testing::Values(ScientificCase{1e-9, 11, "1E-9"}, ScientificCase{123456789012345.0, 11, "1.23456789012E14"},
                      ScientificCase{123456789012345.0, 2, "1.23E14"}, ScientificCase{0.001, 2, "1E-3"},
                      ScientificCase{0.00123456, 3, "1.235E-3"}, ScientificCase{-2.5e300, 11, "-2.5E300"},
                      ScientificCase{1.25e-7, 1, "1.2E-7"}, ScientificCase{1.35e-7, 1, "1.4E-7"},
                      ScientificCase{99999999999999.0, 11, "1E14"}, ScientificCase{5e-324, 13, "5E-324"}));

TEST(NumberFormatterSpecialValues, NotANumberAndInfinities) {
    for (auto style : {MXNumberFormatterStyle::DecimalStyle, MXNumberFormatterStyle::ScientificStyle}) {
        MXNumberFormatter f = formatter(u"en_US", style, 11);
        EXPECT_EQ(f.stringFromNumber(std::numeric_limits<double>::quiet_NaN()), u"NaN");
        EXPECT_EQ(f.stringFromNumber(-std::numeric_limits<double>::quiet_NaN()), u"NaN");
        EXPECT_EQ(f.stringFromNumber(std::numeric_limits<double>::infinity()), u"∞");
        EXPECT_EQ(f.stringFromNumber(-std::numeric_limits<double>::infinity()), u"-∞");
    }
}

TEST(NumberFormatterStyle, SettingTheStyleResetsTheFractionDigits) {
    MXNumberFormatter f;
    f.setLocale(MXLocale(u"en_US"));
    f.setMaximumFractionDigits(7);
    f.setNumberStyle(MXNumberFormatterStyle::DecimalStyle);
    EXPECT_EQ(f.maximumFractionDigits(), 3);
    EXPECT_EQ(f.stringFromNumber(2.0 / 3.0), u"0.667");
    f.setNumberStyle(MXNumberFormatterStyle::NoStyle);
    EXPECT_EQ(f.maximumFractionDigits(), 0);
    EXPECT_FALSE(f.usesGroupingSeparator());
    EXPECT_EQ(f.stringFromNumber(1234.5), u"1234");
}

TEST(NumberFormatterLimits, FractionDigitsAreKeptInRange) {
    MXNumberFormatter f = formatter(u"en_US", MXNumberFormatterStyle::DecimalStyle, 1000000000);
    EXPECT_EQ(f.maximumFractionDigits(), 999);
    EXPECT_EQ(f.stringFromNumber(0.5), u"0.5");
    f.setMaximumFractionDigits(-3);
    EXPECT_EQ(f.maximumFractionDigits(), 0);
    EXPECT_EQ(f.stringFromNumber(0.75), u"1");
}

TEST(NumberFormatterLimits, LongSeparatorsAreWrittenWhole) {
    MXNumberFormatter f = formatter(u"en_US", MXNumberFormatterStyle::DecimalStyle, 2);
    std::u16string separator(40, u'_');
    f.setGroupingSeparator(separator);
    EXPECT_EQ(f.stringFromNumber(1000), u"1" + separator + u"000");
}

using NumberFormatterDevice = DeviceFixture;

TEST_F(NumberFormatterDevice, StartsWithTheCurrentLocale) {
    useLocale(u"de_DE");
    EXPECT_EQ(MXNumberFormatter().locale().localeIdentifier(), u"de_DE");
    EXPECT_EQ(MXNumberFormatter().decimalSeparator(), u",");
    useLocale(u"ar_EH");
    EXPECT_EQ(MXNumberFormatter().decimalSeparator(), u".");
}

TEST_F(NumberFormatterDevice, SystemLocaleGroupsWithAComma) {
    useLocale(u"de_DE");
    MXNumberFormatter f;
    f.setLocale(MXLocale::systemLocale());
    EXPECT_EQ(f.groupingSeparator(), u",");
    EXPECT_EQ(f.decimalSeparator(), u".");
}

}  // namespace
