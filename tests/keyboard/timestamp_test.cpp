// Timestamps: a device-local date and time, less the device's offset from UTC.
#include <cmath>

#include "platform/format/MXTimeZone.h"
#include "platform/text/MXText.h"
#include "tests/support/keyboard_fixture.h"

namespace {

constexpr double kNewYear2020 = 1577836800;  // 2020-01-01 00:00:00 UTC
constexpr double kMidsummer2021 = 1624363200;  // 2021-06-22 12:00:00 UTC

struct ZoneCase {
    std::u16string zone;
    std::u16string utc;  // of 2020-01-01 00:00:00 in the zone
};

class KeyboardTimestamps : public KeyboardTest, public testing::WithParamInterface<ZoneCase> {
protected:
    void SetUp() override {
        setTimeZone(GetParam().zone);
        setDefinitions(u"timestamp~~x");
    }

    int64_t offsetAt(double utcSeconds) const {
        return MXTimeZone::timeZoneWithName(GetParam().zone)->secondsFromGMTForDate(
            MXDate::dateWithTimeIntervalSince1970(utcSeconds));
    }

    // The bracketed timestamp of a local wall-clock time that equals `wallClockAsUtc` in UTC.
    std::u16string expandedTimestamp(double wallClockAsUtc) const {
        const double local = wallClockAsUtc - static_cast<double>(offsetAt(wallClockAsUtc));
        std::u16string text = MXIntegerText(static_cast<int64_t>(local) - offsetAt(local));
        return text.insert(0, 1, u'(') + u")";
    }
};

TEST_P(KeyboardTimestamps, AreTheSecondsOfTheDateLessTheOffset) {
    for (double seconds : {kNewYear2020, kMidsummer2021, kMidsummer2021 + 0.75}) {
        const MXDate date = MXDate::dateWithTimeIntervalSince1970(seconds);
        EXPECT_EQ(controller().getCurrentTimeStamp(date),
                  static_cast<int64_t>(std::floor(seconds)) - offsetAt(seconds));
    }
}

TEST_P(KeyboardTimestamps, ExpandFromDateArguments) {
    EXPECT_NE(shown(u"timestamp(2020;1;1)"), u"");
    EXPECT_EQ(controller().currentEvalString(), expandedTimestamp(kNewYear2020));
    shown(u"timestamp(2021;06;22;12;00;00)");
    EXPECT_EQ(controller().currentEvalString(), expandedTimestamp(kMidsummer2021));
}

TEST_P(KeyboardTimestamps, ExpandToTheCurrentTimeForOtherArgumentCounts) {
    for (const std::u16string text : {u"timestamp()", u"timestamp(1;2)", u"timestamp(1;2;3;4)"}) {
        const int64_t before = controller().getCurrentTimeStamp(MXDate::date());
        shown(text);
        const int64_t after = controller().getCurrentTimeStamp(MXDate::date());
        const std::u16string expanded = controller().currentEvalString();
        ASSERT_GE(expanded.size(), 3u) << MXToUtf8(expanded);
        const int64_t value = std::stoll(MXToUtf8(expanded.substr(1, expanded.size() - 2)));
        EXPECT_GE(value, before) << MXToUtf8(text);
        EXPECT_LE(value, after) << MXToUtf8(text);
    }
}

TEST_P(KeyboardTimestamps, DatesThatDoNotReadGiveZero) {
    for (const std::u16string text : {u"timestamp(2020;13;1)", u"timestamp(2020;2;30)", u"timestamp(a;b;c)",
                                      u"timestamp(2020;1;1;25;0;0)"}) {
        shown(text);
        EXPECT_EQ(controller().currentEvalString(), u"(0)") << MXToUtf8(text);
    }
}

TEST_P(KeyboardTimestamps, LocalTimeIsWrittenAgainInUtc) {
    EXPECT_EQ(controller().getUTCDateTimeFromLocalTime(u"2020-01-01 00:00:00"), GetParam().utc);
    EXPECT_EQ(controller().getUTCDateTimeFromLocalTime(u"not a date"), u"");
    EXPECT_EQ(controller().getUTCDateTimeFromLocalTime(u""), u"");
}

const ZoneCase kTimeZones[] = {
    {u"UTC", u"2020-01-01 00:00:00"}, {u"Europe/Berlin", u"2019-12-31 23:00:00"},
    {u"America/New_York", u"2020-01-01 05:00:00"}, {u"Asia/Kolkata", u"2019-12-31 18:30:00"},
    {u"Pacific/Chatham", u"2019-12-31 10:15:00"},
};
INSTANTIATE_TEST_SUITE_P(TimeZones, KeyboardTimestamps, testing::ValuesIn(kTimeZones));

TEST_F(KeyboardTest, TimestampTwoHoursAheadOfUtcIs7200Less) {
    setTimeZone(u"Africa/Cairo");  // UTC+2 without daylight saving in January 2020
    const MXDate date = MXDate::dateWithTimeIntervalSince1970(kNewYear2020);
    EXPECT_EQ(controller().getCurrentTimeStamp(date), static_cast<int64_t>(kNewYear2020) - 7200);
}

TEST_F(KeyboardTest, TimestampIsOnlySpecialAsAUserDefinition) {
    EXPECT_EQ(shown(u"timestamp(2020;1;1)"), u"");
    EXPECT_EQ(controller().currentEvalString(), u"timestamp(2020;1;1)");
}

}  // namespace
