// Number formatting: styles, fraction digits, rounding, grouping and locale symbols.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "platform/format/MXNumberFormatter.h"
#include "platform/text/MXText.h"

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

TEST(NumberFormatterRounding, AtMostTheDigitsHalfToEvenByDefaultWithoutTrailingZeros) {
    const std::tuple<double, int64_t, const char*> cases[] = {
        {2.0 / 3.0, 13, "0.6666666666667"}, {0.1 + 0.2, 17, "0.30000000000000004"}, {0.125, 2, "0.12"},
        {-2.5, 0, "-2"}, {9.96, 1, "10"},
    };
    for (const auto& [value, digits, expected] : cases) EXPECT_EQ(decimalText(u"en_US", value, digits), expected);
    MXNumberFormatter f = formatter(u"en_US", MXNumberFormatterStyle::DecimalStyle, 0);
    f.setRoundingMode(MXNumberFormatterRoundingMode::HalfUp);
    EXPECT_EQ(f.stringFromNumber(2.5), u"3");
    f.setRoundingMode(MXNumberFormatterRoundingMode::Floor);
    EXPECT_EQ(f.stringFromNumber(-2.1), u"-3");
    f.setRoundingMode(MXNumberFormatterRoundingMode::Down);
    EXPECT_EQ(f.stringFromNumber(-2.9), u"-2");
}

TEST(NumberFormatterLocales, UseTheLocalesDigitsAndSymbols) {
    // Separators, 1234567.125 grouped and not (3 fraction digits), 1.5e-9 in scientific style.
    const std::tuple<const char16_t*, const char*, const char*, const char*, const char*, const char*> cases[] = {
        {u"de_DE", ",", ".", "1.234.567,125", "1234567,125", "1,5E-9"},
        {u"ar_SA", "\u066b", "\u066c", "\u0661\u066c\u0662\u0663\u0664\u066c\u0665\u0666\u0667\u066b\u0661\u0662\u0665",
         "\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u066b\u0661\u0662\u0665",
         "\u0661\u066b\u0665\u0627\u0633\u061c-\u0669"},
        {u"", ".", ",", "1,234,567.125", "1234567.125", "1.5E-9"},
        {u"en_US_POSIX", ".", ",", "1,234,567.125", "1234567.125", "1.5E-9"},
    };
    for (const auto& [locale, decimal, group, grouped, ungrouped, scientific] : cases) {
        const MXNumberFormatter f = formatter(locale, MXNumberFormatterStyle::DecimalStyle, 3);
        EXPECT_EQ(MXToUtf8(f.decimalSeparator()), decimal) << grouped;
        EXPECT_EQ(MXToUtf8(f.groupingSeparator()), group) << grouped;
        EXPECT_EQ(decimalText(locale, 1234567.125, 3), grouped);
        EXPECT_EQ(decimalText(locale, 1234567.125, 3, false), ungrouped);
        EXPECT_EQ(scientificText(locale, 1.5e-9, 11), scientific);
    }
}

// The keyboard's set-up: its own separators, grouping in threes, a locale's digits.
TEST(NumberFormatterExplicitSymbols, OverrideTheLocaleAndSurviveALocaleChange) {
    const std::tuple<const char16_t*, std::u16string, std::u16string, const char*> cases[] = {
        {u"de_DE", u" ", u",", "1 234 567,5"},
        {u"ar_SA", u",", u".", "\u0661,\u0662\u0663\u0664,\u0665\u0666\u0667.\u0665"},
    };
    for (const auto& [locale, group, decimal, expected] : cases) {
        MXNumberFormatter f;
        f.setGroupingSeparator(group);
        f.setGroupingSize(3);
        f.setLocale(MXLocale(locale));
        f.setUsesGroupingSeparator(true);
        f.setDecimalSeparator(decimal);
        f.setNumberStyle(MXNumberFormatterStyle::DecimalStyle);
        f.setMaximumFractionDigits(11);
        EXPECT_EQ(MXToUtf8(f.stringFromNumber(1234567.5)), expected);
        EXPECT_EQ(f.groupingSeparator(), group);
        EXPECT_EQ(f.decimalSeparator(), decimal);
    }
}

TEST(NumberFormatterGrouping, SizeAppliesToEveryGroupAndOffWritesDigitsTogether) {
    MXNumberFormatter f = formatter(u"en_US", MXNumberFormatterStyle::DecimalStyle, 0);
    f.setGroupingSize(2);
    EXPECT_EQ(f.stringFromNumber(1234567), u"1,23,45,67");
    f.setGroupingSize(-4);
    EXPECT_EQ(f.groupingSize(), 0);
    EXPECT_EQ(f.stringFromNumber(1234567), u"1234567");
    f.setGroupingSize(3);
    f.setGroupingSeparator(std::u16string(40, u'_'));
    EXPECT_EQ(f.stringFromNumber(1000), u"1" + std::u16string(40, u'_') + u"000");
}

TEST(NumberFormatterStyle, SettingTheStyleResetsTheFractionDigitsWhichStayInRange) {
    MXNumberFormatter f;
    f.setLocale(MXLocale(u"en_US"));
    f.setMaximumFractionDigits(7);
    f.setNumberStyle(MXNumberFormatterStyle::DecimalStyle);
    EXPECT_EQ(f.stringFromNumber(2.0 / 3.0), u"0.667");
    f.setNumberStyle(MXNumberFormatterStyle::NoStyle);
    EXPECT_FALSE(f.usesGroupingSeparator());
    EXPECT_EQ(f.stringFromNumber(1234.5), u"1234");
    f = formatter(u"en_US", MXNumberFormatterStyle::DecimalStyle, 1000000000);
    EXPECT_EQ(f.maximumFractionDigits(), 999);
    EXPECT_EQ(f.stringFromNumber(0.5), u"0.5");
    f.setMaximumFractionDigits(-3);
    EXPECT_EQ(f.stringFromNumber(0.75), u"1");
    EXPECT_EQ(f.stringFromNumber(-std::numeric_limits<double>::quiet_NaN()), u"NaN");
}

}  // namespace
