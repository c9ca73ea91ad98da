// Timestamps: a device-local date and time, less the device's offset from UTC.
#include "platform/format/MXTimeZone.h"
#include "platform/text/MXText.h"
#include "tests/support/keyboard_fixture.h"

namespace {

constexpr double kNewYear2020 = 1577836800;  // 2020-01-01 00:00:00 UTC
constexpr double kMidsummer2021 = 1624363200;  // 2021-06-22 12:00:00 UTC

struct ZoneCase {
    std::u16string zone;
    int64_t newYear;  // timestamp at kNewYear2020
    int64_t midsummer;  // timestamp three quarters of a second after kMidsummer2021
    std::u16string newYearExpanded;  // timestamp(2020;1;1)
    std::u16string midsummerExpanded;  // timestamp(2021;06;22;12;00;00)
    std::u16string utc;  // of 2020-01-01 00:00:00 in the zone
};

class KeyboardTimestamps : public KeyboardTest, public testing::WithParamInterface<ZoneCase> {
protected:
    void SetUp() override {
        setTimeZone(GetParam().zone);
        setDefinitions(u"timestamp~~x");
    }
};

TEST_P(KeyboardTimestamps, AreTheSecondsOfTheDateLessTheOffset) {
    EXPECT_EQ(controller().getCurrentTimeStamp(MXDate::dateWithTimeIntervalSince1970(kNewYear2020)),
              GetParam().newYear);
    EXPECT_EQ(controller().getCurrentTimeStamp(MXDate::dateWithTimeIntervalSince1970(kMidsummer2021 + 0.75)),
              GetParam().midsummer);
    EXPECT_NE(shown(u"timestamp(2020;1;1)"), u"");
    EXPECT_EQ(controller().currentEvalString(), GetParam().newYearExpanded);
    shown(u"timestamp(2021;06;22;12;00;00)");
    EXPECT_EQ(controller().currentEvalString(), GetParam().midsummerExpanded);
    EXPECT_EQ(controller().getUTCDateTimeFromLocalTime(u"2020-01-01 00:00:00"), GetParam().utc);
}

const ZoneCase kTimeZones[] = {
    {u"UTC", 1577836800, 1624363200, u"(1577836800)", u"(1624363200)", u"2020-01-01 00:00:00"},
    {u"Pacific/Chatham", 1577787300, 1624317300, u"(1577737800)", u"(1624271400)", u"2019-12-31 10:15:00"},
};
INSTANTIATE_TEST_SUITE_P(TimeZones, KeyboardTimestamps, testing::ValuesIn(kTimeZones));

// Argument counts other than three and six give the current time.
TEST_F(KeyboardTest, TimestampsOfOtherArgumentCountsAreTheCurrentTime) {
    setDefinitions(u"timestamp~~x");
    const int64_t before = controller().getCurrentTimeStamp(MXDate::date());
    shown(u"timestamp(1;2;3;4)");
    const int64_t after = controller().getCurrentTimeStamp(MXDate::date());
    const std::u16string expanded = controller().currentEvalString();
    ASSERT_GE(expanded.size(), 3u) << MXToUtf8(expanded);
    const int64_t value = std::stoll(MXToUtf8(expanded.substr(1, expanded.size() - 2)));
    EXPECT_GE(value, before);
    EXPECT_LE(value, after);
}

TEST_F(KeyboardTest, TimestampsOfDatesThatDoNotReadAreZero) {
    setDefinitions(u"timestamp~~x");
    for (const std::u16string text : {u"timestamp(2020;2;30)", u"timestamp(a;b;c)", u"timestamp(2020;1;1;25;0;0)"}) {
        shown(text);
        EXPECT_EQ(controller().currentEvalString(), u"(0)") << MXToUtf8(text);
    }
    EXPECT_EQ(controller().getUTCDateTimeFromLocalTime(u"not a date"), u"");
}

}  // namespace
