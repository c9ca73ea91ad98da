// Dates to text and back in time zones and locales.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "platform/format/MXDateFormatter.h"
#include "platform/text/MXText.h"

namespace {

constexpr const char16_t* kDateTime = u"yyyy-MM-dd HH:mm:ss";

MXDateFormatter utcFormatter(std::u16string pattern = kDateTime) {
    MXDateFormatter f;
    f.setLocale(MXLocale(u"en_US"));
    f.setTimeZone(MXTimeZone::timeZoneWithName(u"UTC").value());
    f.setDateFormat(std::move(pattern));
    return f;
}

TEST(DateFormatterReading, AcceptsWellFormedTextOnly) {
    const std::tuple<const char16_t*, const char16_t*, std::optional<double>> cases[] = {
        {kDateTime, u"2020-1-1 1:2:3", 1577840523}, {u"yyyy'-'MM'T'dd", u"2020-01T01", 1577836800},
        {u"yyyy-MM-dd", u"2020-02-30", std::nullopt}, {u"yyyy-MM-dd", u"2020-01-01x", std::nullopt},
        {u"yyyy-MM-dd", u"2020-01", std::nullopt}, {u"yyyy-MM-dd", u"-2020-1-1", std::nullopt},
    };
    for (const auto& [pattern, text, seconds] : cases) {
        const auto date = utcFormatter(pattern).dateFromString(text);
        ASSERT_EQ(date.has_value(), seconds.has_value()) << MXToUtf8(text);
        if (date) {
            EXPECT_EQ(date->timeIntervalSince1970(), *seconds) << MXToUtf8(text);
        }
    }
}

TEST(DateFormatterPatterns, UnclosedQuoteRunsToTheEnd) {
    MXDateFormatter f = utcFormatter(u"yyyy-'MM");
    EXPECT_EQ(f.stringFromDate(MXDate::dateWithTimeIntervalSince1970(0)), u"1970-MM");
    EXPECT_EQ(f.dateFromString(u"1970-MM"), MXDate::dateWithTimeIntervalSince1970(0));
    EXPECT_FALSE(f.dateFromString(u"1970-01").has_value());
}

TEST(DateFormatterPatterns, NonFiniteDatesWriteNothing) {
    MXDateFormatter f = utcFormatter();
    EXPECT_EQ(f.stringFromDate(MXDate::dateWithTimeIntervalSince1970(std::numeric_limits<double>::quiet_NaN())), u"");
    EXPECT_EQ(f.stringFromDate(MXDate::dateWithTimeIntervalSince1970(std::numeric_limits<double>::infinity())), u"");
}

}  // namespace
