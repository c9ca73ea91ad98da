// The settings stores: absent values, typed round trips, write-through and the folder.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "platform/settings/MXUserDefaults.h"
#include "platform/text/MXText.h"
#include "tests/platform/settings_TemporaryFolder.h"

namespace {

using SettingsStore = TemporarySettingsFolder;

MXUserDefaults sharedStore() {
    return MXUserDefaults(MXAppGroupIdentifier);
}

TEST_F(SettingsStore, AbsentKeysReadAsThePlatformDefaults) {
    for (const MXUserDefaults& store : {MXUserDefaults::standardUserDefaults(), sharedStore()}) {
        EXPECT_EQ(store.integerForKey(u"saveINTMAX"), 0);
        EXPECT_EQ(store.doubleForKey(u"varXvalue"), 0.0);
        EXPECT_EQ(store.stringForKey(u"saveCustomFunc"), std::nullopt);
        EXPECT_EQ(store.objectForKey(u"saveCanType"), std::nullopt);
        EXPECT_FALSE(store.hasKey(u"saveCanType"));
        EXPECT_TRUE(store.dictionaryRepresentation().empty());
    }
}

TEST_F(SettingsStore, FolderThatDoesNotExistYetReadsEmptyAndIsCreatedOnWrite) {
    MXUserDefaults store = MXUserDefaults().inDirectory(folder() / "a" / "b");
    EXPECT_EQ(store.integerForKey(u"k"), 0);
    EXPECT_TRUE(store.setInteger(4, u"k"));
    EXPECT_EQ(store.integerForKey(u"k"), 4);
    EXPECT_TRUE(std::filesystem::exists(folder() / "a" / "b" / "standard.sqlite"));
}

class SettingsRoundTrip : public TemporarySettingsFolder, public ::testing::WithParamInterface<MXSettingsValue> {};

TEST_P(SettingsRoundTrip, ValueAndTypeSurvive) {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    ASSERT_TRUE(store.setObject(GetParam(), u"key"));
    auto read = store.objectForKey(u"key");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->index(), GetParam().index());
    EXPECT_EQ(*read, GetParam());
    if (const auto* real = std::get_if<double>(&GetParam())) {
        EXPECT_EQ(std::signbit(std::get<double>(*read)), std::signbit(*real));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsRoundTrip,
    ::testing::Values(MXSettingsValue(int64_t{0}), MXSettingsValue(int64_t{-1}),
                      MXSettingsValue(std::numeric_limits<int64_t>::max()),
                      MXSettingsValue(std::numeric_limits<int64_t>::min()), MXSettingsValue(0.0), MXSettingsValue(-0.0),
                      MXSettingsValue(2.0), MXSettingsValue(0.1), MXSettingsValue(5e-324),
                      MXSettingsValue(std::numeric_limits<double>::infinity()),
                      MXSettingsValue(-std::numeric_limits<double>::infinity()), MXSettingsValue(u""),
                      MXSettingsValue(u"sq~~$1*$1~|~km~~1000"), MXSettingsValue(u"12"),
                      MXSettingsValue(u"\u00e9\u221a\U0001F600"), MXSettingsValue(std::u16string(u"a\0b", 3))));

TEST_F(SettingsStore, TypedWritersStoreTheirType) {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    ASSERT_TRUE(store.setInteger(7, u"i"));
    ASSERT_TRUE(store.setDouble(7.0, u"d"));
    ASSERT_TRUE(store.setString(u"7", u"t"));
    EXPECT_EQ(MXSettingsTypeOf(*store.objectForKey(u"i")), MXSettingsType::Integer);
    EXPECT_EQ(MXSettingsTypeOf(*store.objectForKey(u"d")), MXSettingsType::Double);
    EXPECT_EQ(MXSettingsTypeOf(*store.objectForKey(u"t")), MXSettingsType::Text);
    EXPECT_EQ(store.stringForKey(u"d"), u"7");
    EXPECT_EQ(store.integerForKey(u"t"), 7);
}

TEST_F(SettingsStore, OverwriteReplacesValueAndType) {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    ASSERT_TRUE(store.setString(u"x", u"k"));
    ASSERT_TRUE(store.setInteger(3, u"k"));
    EXPECT_EQ(store.objectForKey(u"k"), MXSettingsValue(int64_t{3}));
    EXPECT_EQ(store.dictionaryRepresentation().size(), 1u);
}

TEST_F(SettingsStore, ZeroIsToldApartFromAbsent) {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    ASSERT_TRUE(store.setInteger(0, u"saveCanType"));
    EXPECT_TRUE(store.hasKey(u"saveCanType"));
    EXPECT_EQ(store.dictionaryRepresentation().count(u"saveCanType"), 1u);
    ASSERT_TRUE(store.removeObjectForKey(u"saveCanType"));
    EXPECT_FALSE(store.hasKey(u"saveCanType"));
    EXPECT_TRUE(store.removeObjectForKey(u"saveCanType"));
}

TEST_F(SettingsStore, DictionaryRepresentationHoldsEveryEntry) {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    store.setInteger(1, u"a");
    store.setDouble(2.5, u"b");
    store.setString(u"c", u"c");
    std::map<std::u16string, MXSettingsValue> expected = {
        {u"a", int64_t{1}}, {u"b", 2.5}, {u"c", std::u16string(u"c")}};
    EXPECT_EQ(store.dictionaryRepresentation(), expected);
}

TEST_F(SettingsStore, NaNIsRefusedAndLeavesTheOldValue) {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    ASSERT_TRUE(store.setDouble(1.5, u"varXvalue"));
    EXPECT_FALSE(store.setDouble(std::numeric_limits<double>::quiet_NaN(), u"varXvalue"));
    EXPECT_EQ(store.doubleForKey(u"varXvalue"), 1.5);
}

TEST_F(SettingsStore, OwnAndSharedStoresAreSeparateFiles) {
    ASSERT_TRUE(MXUserDefaults::standardUserDefaults().setInteger(1, u"keyboard_install"));
    EXPECT_FALSE(sharedStore().hasKey(u"keyboard_install"));
    ASSERT_TRUE(sharedStore().setInteger(2, u"keyboard_install"));
    EXPECT_EQ(MXUserDefaults::standardUserDefaults().integerForKey(u"keyboard_install"), 1);
    EXPECT_EQ(sharedStore().filePath(), folder() / "group.org.mxcalc.keyboard.sqlite");
    EXPECT_EQ(MXUserDefaults::standardUserDefaults().filePath(), folder() / "standard.sqlite");
}

// A plain SQLite connection, independent of the store code, sees each write at once.
std::optional<int64_t> readWithSqlite(const std::filesystem::path& file, const char* key) {
    sqlite3* db = nullptr;
    std::optional<int64_t> value;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "SELECT value FROM settings WHERE key = ?1", -1, &statement, nullptr);
        sqlite3_bind_text(statement, 1, key, -1, SQLITE_STATIC);
        if (sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_type(statement, 0) == SQLITE_INTEGER) {
            value = sqlite3_column_int64(statement, 0);
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return value;
}

TEST_F(SettingsStore, EachWriteIsCommittedBeforeItReturns) {
    MXUserDefaults store = sharedStore();
    for (int64_t value : {1, 2, 999}) {
        ASSERT_TRUE(store.setInteger(value, u"keyboard_install"));
        EXPECT_EQ(readWithSqlite(store.filePath(), "keyboard_install"), value);
    }
    ASSERT_TRUE(store.removeObjectForKey(u"keyboard_install"));
    EXPECT_EQ(readWithSqlite(store.filePath(), "keyboard_install"), std::nullopt);
}

TEST_F(SettingsStore, SeparateStoreObjectsShareTheFile) {
    MXUserDefaults writer = sharedStore();
    MXUserDefaults reader = sharedStore();
    EXPECT_EQ(reader.integerForKey(u"n"), 0);
    writer.setInteger(5, u"n");
    EXPECT_EQ(reader.integerForKey(u"n"), 5);
}

TEST_F(SettingsStore, SynchronizeTellsWhetherTheFileIsUsable) {
    EXPECT_TRUE(MXUserDefaults::standardUserDefaults().synchronize());
    std::filesystem::create_directories(folder() / "blocked" / "standard.sqlite");
    EXPECT_FALSE(MXUserDefaults().inDirectory(folder() / "blocked").synchronize());
}

TEST(SettingsSuiteName, NamesThatCannotBeFileNamesAreRejected) {
    for (std::u16string name : {std::u16string(u""), std::u16string(u"standard"), std::u16string(u"a/b"),
                                std::u16string(u".hidden"), std::u16string(u".."), std::u16string(u"a\0b", 3)}) {
        EXPECT_THROW(MXUserDefaults{name}, std::invalid_argument) << MXToUtf8(name);
    }
    EXPECT_NO_THROW(MXUserDefaults(u"group.other"));
}

// Saves and restores environment variables around a test.
class EnvironmentGuard {
public:
    explicit EnvironmentGuard(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    ~EnvironmentGuard() {
        for (const auto& [name, value] : saved_) {
            value ? setenv(name, value->c_str(), 1) : unsetenv(name);
        }
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

struct DirectoryCase {
    const char* explicitFolder;
    const char* settingsDir;
    const char* xdgConfigHome;
    const char* home;
    const char* expected;
};

class SettingsFolderResolution : public ::testing::TestWithParam<DirectoryCase> {};

TEST_P(SettingsFolderResolution, FollowsPrecedence) {
    EnvironmentGuard guard({"MX_SETTINGS_DIR", "XDG_CONFIG_HOME", "HOME"});
    const DirectoryCase& c = GetParam();
    auto set = [](const char* name, const char* value) { value ? setenv(name, value, 1) : unsetenv(name); };
    set("MX_SETTINGS_DIR", c.settingsDir);
    set("XDG_CONFIG_HOME", c.xdgConfigHome);
    set("HOME", c.home);
    MXSetSettingsDirectory(c.explicitFolder ? std::optional<std::filesystem::path>(c.explicitFolder) : std::nullopt);
    EXPECT_EQ(MXSettingsDirectory(), std::filesystem::path(c.expected));
    MXSetSettingsDirectory(std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFolderResolution,
    ::testing::Values(DirectoryCase{"/explicit", "/env", "/xdg", "/home/u", "/explicit"},
                      DirectoryCase{nullptr, "/env", "/xdg", "/home/u", "/env"},
                      DirectoryCase{nullptr, "", "/xdg", "/home/u", "/xdg/mxcalc"},
                      DirectoryCase{nullptr, nullptr, "/xdg", "/home/u", "/xdg/mxcalc"},
                      DirectoryCase{nullptr, nullptr, "relative/xdg", "/home/u", "/home/u/.config/mxcalc"},
                      DirectoryCase{nullptr, nullptr, nullptr, "/home/u", "/home/u/.config/mxcalc"}));

}  // namespace
