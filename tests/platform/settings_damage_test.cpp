// A store file that is not a database, is damaged or cannot be reached.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <vector>

#include "platform/log/MXLog.h"
#include "platform/settings/MXUserDefaults.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temporary_folder.h"

namespace {

using DamagedStore = TemporarySettingsFolder;

// The bytes of a valid store holding two entries, cut to `length` bytes.
std::string validStoreBytes(const MXUserDefaults& store, size_t length) {
    store.setInteger(1, u"a");
    store.setString(std::u16string(5000, u'x'), u"b");
    std::string bytes = readFile(store.filePath());
    std::filesystem::remove(store.filePath());
    return bytes.substr(0, length);
}

// A database of another program under the store's name.
std::string foreignDatabase(const MXUserDefaults& store) {
    sqlite3* db = nullptr;
    sqlite3_open(store.filePath().c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE settings (name TEXT, data BLOB)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return readFile(store.filePath());
}

// The damaged files kept beside the store, in the order they were set aside.
std::vector<std::filesystem::path> keptAside(const MXUserDefaults& store) {
    std::vector<std::filesystem::path> kept;
    const std::string prefix = store.filePath().filename().string() + ".damaged-";
    for (const auto& entry : std::filesystem::directory_iterator(store.filePath().parent_path())) {
        if (entry.path().filename().string().starts_with(prefix)) kept.push_back(entry.path());
    }
    std::sort(kept.begin(), kept.end());
    return kept;
}

struct DamageCase {
    const char* name;
    std::string (*contents)(const MXUserDefaults& store);
};

class DamagedStoreFile : public TemporarySettingsFolder, public ::testing::WithParamInterface<DamageCase> {};

// Each damaged file is kept aside with its bytes and logged; an empty file is an empty store.
TEST_P(DamagedStoreFile, IsKeptAsideAndLoggedThenAFreshStoreAcceptsWrites) {
    MXUserDefaults store = MXUserDefaults(MXAppGroupIdentifier);
    const std::string contents = GetParam().contents(store);
    const size_t keptPerDamage = contents.empty() ? 0 : 1;
    writeFile(store.filePath(), contents);
    MXLogCapture log;
    EXPECT_EQ(store.integerForKey(u"a"), 0);
    EXPECT_EQ(store.stringForKey(u"b"), std::nullopt);
    EXPECT_TRUE(store.dictionaryRepresentation().empty());
    ASSERT_EQ(keptAside(store).size(), keptPerDamage);
    ASSERT_EQ(log.lines().size(), keptPerDamage);
    if (keptPerDamage == 1) {
        EXPECT_TRUE(log.contains(store.filePath().string() + " is damaged: kept as " + keptAside(store)[0].string()));
    }

    writeFile(store.filePath(), contents);
    EXPECT_TRUE(store.setInteger(42, u"keyboard_install"));
    EXPECT_EQ(store.integerForKey(u"keyboard_install"), 42);
    EXPECT_EQ(store.dictionaryRepresentation().size(), 1u);
    const auto kept = keptAside(store);
    ASSERT_EQ(kept.size(), 2 * keptPerDamage);
    for (const auto& file : kept) EXPECT_EQ(readFile(file), contents) << file;
}

TEST_P(DamagedStoreFile, RemovalRecreatesTheFile) {
    MXUserDefaults store;
    writeFile(store.filePath(), GetParam().contents(store));
    EXPECT_TRUE(store.removeObjectForKey(u"a"));
    EXPECT_TRUE(store.setDouble(0.5, u"d"));
    EXPECT_EQ(store.doubleForKey(u"d"), 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedStoreFile,
    ::testing::Values(DamageCase{"Empty", [](const MXUserDefaults&) { return std::string(); }},
                      DamageCase{"Garbage", [](const MXUserDefaults&) { return std::string(3000, '\x5a'); }},
                      DamageCase{"HeaderOnly", [](const MXUserDefaults& store) { return validStoreBytes(store, 100); }},
                      DamageCase{"Truncated", [](const MXUserDefaults& store) { return validStoreBytes(store, 5000); }},
                      DamageCase{"PagesOverwritten",
                                 [](const MXUserDefaults& store) {
                                     std::string bytes = validStoreBytes(store, std::string::npos);
                                     for (size_t i = 100; i < bytes.size(); i += 7) bytes[i] = char(0xff - bytes[i]);
                                     return bytes;
                                 }},
                      DamageCase{"ForeignDatabase", foreignDatabase}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST_F(DamagedStore, FolderInPlaceOfTheFileReadsEmptyAndRefusesWrites) {
    MXUserDefaults store;
    std::filesystem::create_directory(store.filePath());
    EXPECT_EQ(store.integerForKey(u"a"), 0);
    EXPECT_FALSE(store.setInteger(1, u"a"));
    EXPECT_FALSE(store.removeObjectForKey(u"a"));
    EXPECT_TRUE(std::filesystem::is_directory(store.filePath()));
}

TEST_F(DamagedStore, FileInPlaceOfTheFolderReadsEmptyAndRefusesWrites) {
    writeFile(folder() / "blocked", "x");
    MXUserDefaults store = MXUserDefaults().inDirectory(folder() / "blocked");
    EXPECT_EQ(store.stringForKey(u"a"), std::nullopt);
    EXPECT_FALSE(store.setString(u"v", u"a"));
    EXPECT_EQ(readFile(folder() / "blocked"), "x");
}

}  // namespace
