// Locales, time zones and the device settings they come from.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "platform/format/MXDeviceSettings.h"
#include "platform/text/MXText.h"
#include "tests/platform/format_DeviceFixture.h"

namespace {

struct IdentifierCase {
    const char16_t* given;
    const char16_t* identifier;
};

class LocaleIdentifier : public ::testing::TestWithParam<IdentifierCase> {};

TEST_P(LocaleIdentifier, IsCanonical) {
    EXPECT_EQ(MXLocale(GetParam().given).localeIdentifier(), GetParam().identifier);
}

INSTANTIATE_TEST_SUITE_P(Identifiers, LocaleIdentifier,
                         ::testing::Values(IdentifierCase{u"de_DE", u"de_DE"}, IdentifierCase{u"de-DE", u"de_DE"},
                                           IdentifierCase{u"ar_EH", u"ar_EH"}, IdentifierCase{u"ar-SA", u"ar_SA"},
                                           IdentifierCase{u"ar", u"ar"}, IdentifierCase{u"", u""},
                                           IdentifierCase{u"en_US_POSIX", u"en_US_POSIX"}));

TEST(LocaleIdentifier, TextsThatNameNoLocaleAreRejected) {
    for (std::u16string text : {std::u16string(u"de DE"), std::u16string(u"de/DE"), std::u16string(u"\u00e9"),
                                std::u16string(400, u'a'), std::u16string(u"de-DE-x-"), std::u16string(u"a\0b", 3)}) {
        EXPECT_THROW(MXLocale{text}, std::invalid_argument) << MXToUtf8(text);
    }
}

struct POSIXCase {
    const char* name;
    const char16_t* identifier;
};

class LocaleFromPOSIXName : public ::testing::TestWithParam<POSIXCase> {};

TEST_P(LocaleFromPOSIXName, DropsCharsetAndModifier) {
    EXPECT_EQ(MXLocale::localeWithPOSIXName(GetParam().name).localeIdentifier(), GetParam().identifier);
}

INSTANTIATE_TEST_SUITE_P(Names, LocaleFromPOSIXName,
                         ::testing::Values(POSIXCase{"de_DE.UTF-8", u"de_DE"}, POSIXCase{"fr_FR@euro", u"fr_FR"},
                                           POSIXCase{"ar_SA.ISO-8859-6", u"ar_SA"}, POSIXCase{"C", u"en_US_POSIX"},
                                           POSIXCase{"C.UTF-8", u"en_US_POSIX"}, POSIXCase{"POSIX", u"en_US_POSIX"},
                                           POSIXCase{"", u"en_US_POSIX"}));

// Saves and restores environment variables around a test.
class EnvironmentFixture : public DeviceFixture {
protected:
    void SetUp() override {
        for (const char* name : {"LC_ALL", "LANG", "TZ"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            value ? setenv(name, value->c_str(), 1) : unsetenv(name);
        }
        DeviceFixture::TearDown();
    }
    static void set(const char* name, const char* value) { value ? setenv(name, value, 1) : unsetenv(name); }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

using DeviceLocale = EnvironmentFixture;

TEST_F(DeviceLocale, ComesFromLcAllThenLang) {
    set("LC_ALL", "de_DE.UTF-8");
    set("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"de_DE");
    set("LC_ALL", "");
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"fr_FR");
    set("LANG", nullptr);
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"en_US_POSIX");
    set("LANG", "not a locale");
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"en_US_POSIX");
}

TEST_F(DeviceLocale, SetByCodeWinsOverTheEnvironment) {
    set("LC_ALL", "de_DE.UTF-8");
    useLocale(u"ar_EH");
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"ar_EH");
    MXDeviceSettings::setLocale(std::nullopt);
    EXPECT_EQ(MXLocale::currentLocale().localeIdentifier(), u"de_DE");
}

using DeviceTimeZone = EnvironmentFixture;

TEST_F(DeviceTimeZone, ComesFromTZInItsForms) {
    set("TZ", "Europe/Berlin");
    EXPECT_EQ(MXTimeZone::localTimeZone().name(), u"Europe/Berlin");
    set("TZ", ":Asia/Tokyo");
    EXPECT_EQ(MXTimeZone::localTimeZone().name(), u"Asia/Tokyo");
    set("TZ", "/usr/share/zoneinfo/America/New_York");
    EXPECT_EQ(MXTimeZone::localTimeZone().name(), u"America/New_York");
    set("TZ", "");
    EXPECT_EQ(MXTimeZone::localTimeZone().name(), u"UTC");
}

TEST_F(DeviceTimeZone, UnknownTZFallsBackToAZone) {
    set("TZ", "Nowhere/Bogus");
    EXPECT_TRUE(MXTimeZone::timeZoneWithName(MXTimeZone::localTimeZone().name()).has_value());
    EXPECT_NE(MXTimeZone::localTimeZone().name(), u"Nowhere/Bogus");
}

TEST_F(DeviceTimeZone, SetByCodeWinsOverTheEnvironment) {
    set("TZ", "Europe/Berlin");
    useTimeZone(u"Asia/Kolkata");
    EXPECT_EQ(MXTimeZone::localTimeZone().name(), u"Asia/Kolkata");
}

TEST(TimeZoneNames, OnlyKnownZones) {
    EXPECT_TRUE(MXTimeZone::timeZoneWithName(u"Europe/Berlin").has_value());
    EXPECT_TRUE(MXTimeZone::timeZoneWithName(u"UTC").has_value());
    EXPECT_TRUE(MXTimeZone::timeZoneWithName(u"GMT+05:30").has_value());
    for (const char16_t* name : {u"", u"Nowhere/Bogus", u"Etc/Unknown", u"Europe/"}) {
        EXPECT_FALSE(MXTimeZone::timeZoneWithName(name).has_value()) << MXToUtf8(name);
    }
    EXPECT_EQ(MXTimeZone::timeZoneWithAbbreviation(u"UTC")->name(), u"UTC");
    EXPECT_EQ(MXTimeZone::timeZoneWithAbbreviation(u"GMT")->name(), u"GMT");
    EXPECT_FALSE(MXTimeZone::timeZoneWithAbbreviation(u"CEST").has_value());
}

struct OffsetCase {
    const char16_t* zone;
    double seconds;
    int64_t offset;
};

class TimeZoneOffset : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(TimeZoneOffset, IncludesDaylightSavingTime) {
    MXTimeZone zone = MXTimeZone::timeZoneWithName(GetParam().zone).value();
    EXPECT_EQ(zone.secondsFromGMTForDate(MXDate::dateWithTimeIntervalSince1970(GetParam().seconds)),
              GetParam().offset);
}

// 1577836800 is 2020-01-01 00:00:00 UTC, 1593561600 is 2020-07-01 00:00:00 UTC.
INSTANTIATE_TEST_SUITE_P(Zones, TimeZoneOffset,
                         ::testing::Values(OffsetCase{u"UTC", 1577836800, 0}, OffsetCase{u"Europe/Berlin", 1577836800, 3600},
                                           OffsetCase{u"Europe/Berlin", 1593561600, 7200},
                                           OffsetCase{u"America/New_York", 1577836800, -18000},
                                           OffsetCase{u"America/New_York", 1593561600, -14400},
                                           OffsetCase{u"Asia/Kolkata", 1593561600, 19800},
                                           OffsetCase{u"GMT+05:30", 1577836800, 19800}));

}  // namespace
