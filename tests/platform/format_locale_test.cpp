// Locales, time zones and the device settings they come from.
#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "platform/format/MXDeviceSettings.h"
#include "platform/text/MXText.h"
#include "tests/support/device_fixture.h"

namespace {

TEST(LocaleIdentifier, TextsThatNameNoLocaleAreRejected) {
    for (std::u16string text : {std::u16string(u"de DE"), std::u16string(u"\u00e9"), std::u16string(400, u'a'),
                                std::u16string(u"de-DE-x-"), std::u16string(u"a\0b", 3)}) {
        EXPECT_THROW(MXLocale{text}, std::invalid_argument) << MXToUtf8(text);
    }
}

TEST(LocaleFromPOSIXName, DropsCharsetAndModifier) {
    const std::pair<const char*, const char16_t*> cases[] = {
        {"de_DE.UTF-8", u"de_DE"}, {"fr_FR@euro", u"fr_FR"}, {"C.UTF-8", u"en_US_POSIX"}, {"POSIX", u"en_US_POSIX"},
        {"", u"en_US_POSIX"}};
    for (const auto& [name, identifier] : cases) {
        EXPECT_EQ(MXLocale::localeWithPOSIXName(name).localeIdentifier(), identifier) << name;
    }
}

class DeviceEnvironment : public DeviceFixture {
protected:
    EnvironmentGuard guard_{"LC_ALL", "LANG", "TZ"};
    static void set(const char* name, const char* value) { EnvironmentGuard::set(name, value); }
};

TEST_F(DeviceEnvironment, LocaleComesFromLcAllThenLangUnlessSetByCode) {
    set("LC_ALL", "de_DE.UTF-8");
    set("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"de_DE");
    useLocale(u"ar_EH");
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"ar_EH");
    MXDeviceSettings::setLocale(std::nullopt);
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"de_DE");
    set("LC_ALL", "");
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"fr_FR");
    set("LANG", nullptr);
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"en_US_POSIX");
    set("LANG", "not a locale");
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"en_US_POSIX");
}

TEST_F(DeviceEnvironment, TimeZoneComesFromTZInItsFormsUnlessSetByCode) {
    const std::pair<const char*, const char16_t*> cases[] = {
        {"Europe/Berlin", u"Europe/Berlin"}, {":Asia/Tokyo", u"Asia/Tokyo"},
        {"/usr/share/zoneinfo/America/New_York", u"America/New_York"}, {"", u"UTC"}};
    for (const auto& [tz, name] : cases) {
        set("TZ", tz);
        EXPECT_EQ(MXTimeZone::localTimeZone().name(), name) << tz;
    }
    set("TZ", "Nowhere/Bogus");
    EXPECT_TRUE(MXTimeZone::timeZoneWithName(MXTimeZone::localTimeZone().name()).has_value());
    EXPECT_NE(MXTimeZone::localTimeZone().name(), u"Nowhere/Bogus");
    useTimeZone(u"Asia/Kolkata");
    EXPECT_EQ(MXTimeZone::localTimeZone().name(), u"Asia/Kolkata");
}

TEST(TimeZoneNames, OnlyKnownZones) {
    for (const char16_t* name : {u"", u"Nowhere/Bogus", u"Etc/Unknown"}) {
        EXPECT_FALSE(MXTimeZone::timeZoneWithName(name).has_value()) << MXToUtf8(name);
    }
    EXPECT_EQ(MXTimeZone::timeZoneWithAbbreviation(u"UTC")->name(), u"UTC");
    EXPECT_EQ(MXTimeZone::timeZoneWithAbbreviation(u"GMT")->name(), u"GMT");
    EXPECT_FALSE(MXTimeZone::timeZoneWithAbbreviation(u"CEST").has_value());
}

TEST(TimeZoneOffset, IncludesDaylightSavingTime) {
    // 1577836800 is 2020-01-01 00:00:00 UTC, 1593561600 is 2020-07-01 00:00:00 UTC.
    const std::tuple<const char16_t*, double, int64_t> cases[] = {
        {u"UTC", 1577836800, 0}, {u"Europe/Berlin", 1577836800, 3600}, {u"Europe/Berlin", 1593561600, 7200},
        {u"America/New_York", 1593561600, -14400}, {u"GMT+05:30", 1577836800, 19800}};
    for (const auto& [zone, seconds, offset] : cases) {
        const MXDate date = MXDate::dateWithTimeIntervalSince1970(seconds);
        EXPECT_EQ(MXTimeZone::timeZoneWithName(zone)->secondsFromGMTForDate(date), offset) << MXToUtf8(zone);
    }
}

}  // namespace
