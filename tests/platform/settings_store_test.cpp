// The settings stores: absent values, typed round trips, write-through and the folder.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <tuple>

#include "platform/settings/MXUserDefaults.h"
#include "platform/text/MXText.h"
#include "tests/support/device_fixture.h"
#include "tests/support/temporary_folder.h"

namespace {

using SettingsStore = TemporarySettingsFolder;

MXUserDefaults sharedStore() { return MXUserDefaults(MXAppGroupIdentifier); }
const MXUserDefaults& ownStore() { return MXUserDefaults::standardUserDefaults(); }

TEST_F(SettingsStore, AbsentKeysReadAsThePlatformDefaults) {
    for (const MXUserDefaults& store : {ownStore(), sharedStore()}) {
        EXPECT_EQ(store.integerForKey(u"saveINTMAX"), 0);
        EXPECT_EQ(store.doubleForKey(u"varXvalue"), 0.0);
        EXPECT_EQ(store.stringForKey(u"saveCustomFunc"), std::nullopt);
        EXPECT_FALSE(store.hasKey(u"saveCanType"));
        EXPECT_TRUE(store.dictionaryRepresentation().empty());
    }
}

TEST_F(SettingsStore, FolderThatDoesNotExistYetIsCreatedOnWriteAndSynchronizeTellsWhetherItIsUsable) {
    MXUserDefaults store = MXUserDefaults().inDirectory(folder() / "a" / "b");
    EXPECT_EQ(store.integerForKey(u"k"), 0);
    EXPECT_TRUE(store.setInteger(4, u"k"));
    EXPECT_EQ(store.integerForKey(u"k"), 4);
    EXPECT_TRUE(std::filesystem::exists(folder() / "a" / "b" / "standard.sqlite"));
    EXPECT_TRUE(store.synchronize());
    std::filesystem::create_directories(folder() / "blocked" / "standard.sqlite");
    EXPECT_FALSE(MXUserDefaults().inDirectory(folder() / "blocked").synchronize());
}

TEST_F(SettingsStore, ValueAndTypeSurviveARoundTrip) {
    const MXSettingsValue values[] = {
        std::numeric_limits<int64_t>::min(), -0.0, 5e-324, -std::numeric_limits<double>::infinity(), u"", u"12",
        u"\u00e9\u221a\U0001F600", std::u16string(u"a\0b", 3)};
    for (const MXSettingsValue& value : values) {
        ASSERT_TRUE(ownStore().setObject(value, u"key"));
        const auto read = ownStore().objectForKey(u"key");
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->index(), value.index());
        EXPECT_EQ(*read, value);
        if (const auto* real = std::get_if<double>(&value)) {
            EXPECT_EQ(std::signbit(std::get<double>(*read)), std::signbit(*real));
        }
    }
}

TEST_F(SettingsStore, TypedWritersStoreTheirTypeAndOverwriteReplacesIt) {
    const MXUserDefaults& store = ownStore();
    ASSERT_TRUE(store.setInteger(7, u"i"));
    ASSERT_TRUE(store.setDouble(7.0, u"d"));
    ASSERT_TRUE(store.setString(u"7", u"t"));
    EXPECT_EQ(MXSettingsTypeOf(*store.objectForKey(u"i")), MXSettingsType::Integer);
    EXPECT_EQ(MXSettingsTypeOf(*store.objectForKey(u"d")), MXSettingsType::Double);
    EXPECT_EQ(MXSettingsTypeOf(*store.objectForKey(u"t")), MXSettingsType::Text);
    EXPECT_EQ(store.stringForKey(u"d"), u"7");
    EXPECT_EQ(store.integerForKey(u"t"), 7);
    ASSERT_TRUE(store.setInteger(3, u"t"));
    const std::map<std::u16string, MXSettingsValue> expected = {{u"i", int64_t{7}}, {u"d", 7.0}, {u"t", int64_t{3}}};
    EXPECT_EQ(store.dictionaryRepresentation(), expected);
}

TEST_F(SettingsStore, ZeroIsToldApartFromAbsentAndNaNIsRefused) {
    const MXUserDefaults& store = ownStore();
    ASSERT_TRUE(store.setDouble(1.5, u"varXvalue"));
    EXPECT_FALSE(store.setDouble(std::numeric_limits<double>::quiet_NaN(), u"varXvalue"));
    EXPECT_EQ(store.doubleForKey(u"varXvalue"), 1.5);
    ASSERT_TRUE(store.setInteger(0, u"saveCanType"));
    EXPECT_TRUE(store.hasKey(u"saveCanType"));
    ASSERT_TRUE(store.removeObjectForKey(u"saveCanType"));
    EXPECT_FALSE(store.hasKey(u"saveCanType"));
    EXPECT_TRUE(store.removeObjectForKey(u"saveCanType"));
}

TEST_F(SettingsStore, OwnAndSharedStoresAreSeparateFiles) {
    ASSERT_TRUE(ownStore().setInteger(1, u"keyboard_install"));
    EXPECT_FALSE(sharedStore().hasKey(u"keyboard_install"));
    ASSERT_TRUE(sharedStore().setInteger(2, u"keyboard_install"));
    EXPECT_EQ(ownStore().integerForKey(u"keyboard_install"), 1);
    EXPECT_EQ(sharedStore().filePath(), folder() / "group.org.mxcalc.keyboard.sqlite");
    EXPECT_EQ(ownStore().filePath(), folder() / "standard.sqlite");
}

TEST(SettingsSuiteName, NamesThatCannotBeFileNamesAreRejected) {
    for (std::u16string name : {std::u16string(u""), std::u16string(u"standard"), std::u16string(u"a/b"),
                                std::u16string(u".."), std::u16string(u"a\0b", 3)}) {
        EXPECT_THROW(MXUserDefaults{name}, std::invalid_argument) << MXToUtf8(name);
    }
    EXPECT_NO_THROW(MXUserDefaults(u"group.other"));
}

TEST(SettingsFolderResolution, FollowsPrecedence) {
    const EnvironmentGuard guard({"MX_SETTINGS_DIR", "XDG_CONFIG_HOME", "HOME"});
    // The explicit folder, MX_SETTINGS_DIR, XDG_CONFIG_HOME, HOME and the folder expected.
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"/explicit", "/env", "/xdg", "/home/u", "/explicit"},  {nullptr, "/env", "/xdg", "/home/u", "/env"},
        {nullptr, "", "/xdg", "/home/u", "/xdg/mxcalc"},
        {nullptr, nullptr, "relative/xdg", "/home/u", "/home/u/.config/mxcalc"},
        {nullptr, nullptr, nullptr, "/home/u", "/home/u/.config/mxcalc"},
    };
    for (const auto& [explicitFolder, settingsDir, xdgConfigHome, home, expected] : cases) {
        EnvironmentGuard::set("MX_SETTINGS_DIR", settingsDir);
        EnvironmentGuard::set("XDG_CONFIG_HOME", xdgConfigHome);
        EnvironmentGuard::set("HOME", home);
        MXSetSettingsDirectory(explicitFolder ? std::optional<std::filesystem::path>(explicitFolder) : std::nullopt);
        EXPECT_EQ(MXSettingsDirectory(), std::filesystem::path(expected));
        MXSetSettingsDirectory(std::nullopt);
    }
    // Without HOME, the user's home from the password file (as the name service has it).
    EnvironmentGuard::set("XDG_CONFIG_HOME", nullptr);
    EnvironmentGuard::set("HOME", nullptr);
    EXPECT_EQ(MXSettingsDirectory(), std::filesystem::path(getpwuid(getuid())->pw_dir) / ".config" / "mxcalc");
}

}  // namespace
