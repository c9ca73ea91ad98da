// The settings stores: refused values, suite names and the folder they live in.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <limits>
#include <stdexcept>
#include <tuple>

#include "platform/settings/MXUserDefaults.h"
#include "platform/text/MXText.h"
#include "tests/support/device_fixture.h"
#include "tests/support/temporary_folder.h"

namespace {

using SettingsStore = TemporarySettingsFolder;

// SQLite would store a NaN as NULL, which reads as absent: it is refused and the value kept.
TEST_F(SettingsStore, NaNIsRefusedAndTheStoredValueKept) {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    ASSERT_TRUE(store.setDouble(1.5, u"varXvalue"));
    EXPECT_FALSE(store.setDouble(std::numeric_limits<double>::quiet_NaN(), u"varXvalue"));
    EXPECT_EQ(store.doubleForKey(u"varXvalue"), 1.5);
    EXPECT_TRUE(store.synchronize());
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
