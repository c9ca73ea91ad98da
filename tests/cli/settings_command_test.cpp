// mxcalc settings get|set|unset, called as the command-line front end calls it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <sstream>
#include <tuple>

#include "cli/SettingsCommand.h"
#include "platform/settings/MXSettingsConnection.h"
#include "platform/settings/MXUserDefaults.h"
#include "platform/text/MXText.h"
#include "tests/support/temporary_folder.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class SettingsCommand : public TemporarySettingsFolder {
protected:
    static Outcome runIn(const std::optional<std::string>& settings, const std::string& action, const std::string& key,
                         std::optional<std::string> value = std::nullopt, bool shared = false) {
        std::ostringstream out, err;
        const int status = runSettingsCommand(action, key, value, shared, settings, out, err);
        return {status, out.str(), err.str()};
    }
    Outcome run(const std::string& action, const std::string& key, std::optional<std::string> value = std::nullopt,
                bool shared = false) {
        return runIn(folder().string(), action, key, value, shared);
    }

    MXUserDefaults ownStore() const { return MXUserDefaults().inDirectory(folder()); }
    MXUserDefaults sharedStore() const { return MXUserDefaults(MXAppGroupIdentifier).inDirectory(folder()); }
};

// set KEY VALUE then get KEY prints the value in the key's type.
TEST_F(SettingsCommand, SetThenGetPrintsTheValueInTheKeysType) {
    // Key, value, whether in the shared store, the value printed and the type stored.
    const std::tuple<const char*, const char*, bool, const char*, MXSettingsType> cases[] = {
        {"decimalDot", "+1", false, "1", MXSettingsType::Integer},
        {"intIMAGINARY", "-9223372036854775808", false, "-9223372036854775808", MXSettingsType::Integer},
        {"keyboard_install", "998", true, "998", MXSettingsType::Integer},
        {"varXvalue", "1e-9", true, "1e-09", MXSettingsType::Double},
        {"varXvalue", "-inf", true, "-inf", MXSettingsType::Double},
        {"saveCustomFunc", "sq~~$1*$1~|~km~~1000", false, "sq~~$1*$1~|~km~~1000", MXSettingsType::Text},
        {"saveCustomFunc", "", false, "", MXSettingsType::Text},
    };
    for (const auto& [key, value, shared, printed, storedType] : cases) {
        EXPECT_EQ(run("set", key, value, shared).status, 0) << key;
        const Outcome got = run("get", key, std::nullopt, shared);
        EXPECT_EQ(got.status, 0) << key;
        EXPECT_EQ(got.out, std::string(printed) + "\n");
        const MXUserDefaults store = shared ? sharedStore() : ownStore();
        EXPECT_EQ(MXSettingsTypeOf(store.objectForKey(MXFromUtf8(key)).value()), storedType) << key;
    }
}

TEST_F(SettingsCommand, RejectsWithAMessageAndNoChange) {
    const std::tuple<const char*, const char*, std::optional<std::string>, int, const char*> cases[] = {
        {"set", "saveINTMAX", "7.5", 1, "not an integer: 7.5"}, {"set", "saveINTMAX", "+-7", 1, "not an integer: +-7"},
        {"set", "saveINTMAX", "", 1, "not an integer: \n"}, {"set", "varXvalue", "+", 1, "not a number: +"},
        {"set", "varXvalue", "nan", 1, "not a number: nan"},
        {"set", "saveINTMAX", std::nullopt, 2, "set needs a value"}, {"get", "saveINTMAX", "1", 2, "get takes no value"},
        {"put", "saveINTMAX", "1", 2, "unknown action \"put\" (get, set or unset)"},
        {"get", "", std::nullopt, 2, "the key is empty"},
        {"get", "saveintmax", std::nullopt, 2, "unknown key \"saveintmax\" (known keys: saveINTMAX, "},
    };
    for (const auto& [action, key, value, status, message] : cases) {
        const Outcome outcome = run(action, key, value);
        EXPECT_EQ(outcome.status, status) << action << " " << key << " " << value.value_or("(none)");
        EXPECT_EQ(outcome.err.rfind(std::string("mxcalc settings: ") + message, 0), 0u) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
    EXPECT_TRUE(ownStore().dictionaryRepresentation().empty());
}

TEST_F(SettingsCommand, AbsentKeyPrintsAnEmptyLineAndUnsetSucceedsWhenAbsent) {
    const Outcome outcome = run("get", "saveINTMAX");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "\n");
    ASSERT_EQ(run("set", "saveCanType", "0").status, 0);
    EXPECT_EQ(run("unset", "saveCanType").status, 0);
    EXPECT_FALSE(ownStore().hasKey(u"saveCanType"));
    EXPECT_EQ(run("unset", "saveCanType").status, 0);
}

TEST_F(SettingsCommand, UnusableFolderFailsAndNoFolderMeansTheProcessSettingsFolder) {
    const std::filesystem::path blocked = folder() / "blocked";
    std::FILE* file = std::fopen(blocked.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(runIn(blocked.string(), "set", "saveINTMAX", "1").status, 1);
    const Outcome got = runIn(blocked.string(), "get", "saveINTMAX");
    EXPECT_EQ(got.status, 1);
    EXPECT_NE(got.err.find("cannot"), std::string::npos) << got.err;
    EXPECT_EQ(runIn(std::string(), "get", "saveINTMAX").status, 2);
    ASSERT_EQ(runIn(std::nullopt, "set", "saveINTMAX", "4").status, 0);
    EXPECT_EQ(MXUserDefaults::standardUserDefaults().integerForKey(u"saveINTMAX"), 4);
}

// A damaged store is kept aside and said so; a store locked past the wait is busy.
TEST_F(SettingsCommand, SaysWhereADamagedStoreWentAndThatALockedOneIsBusy) {
    std::FILE* file = std::fopen(ownStore().filePath().c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("saveINTMAX=7\n", file);
    std::fclose(file);
    const Outcome damaged = run("set", "saveINTMAX", "3");
    EXPECT_EQ(damaged.status, 0);
    EXPECT_NE(damaged.err.find("is damaged: kept as " + ownStore().filePath().string() + ".damaged-"),
              std::string::npos)
        << damaged.err;

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(ownStore().filePath().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    mxcalc::detail::MXSettingsSetBusyWait(std::chrono::milliseconds(20));
    for (const char* action : {"get", "unset"}) {
        const Outcome busy = run(action, "saveINTMAX");
        EXPECT_EQ(busy.status, 1) << action;
        EXPECT_NE(busy.err.find("is busy (locked by another process)"), std::string::npos) << busy.err;
    }
    mxcalc::detail::MXSettingsSetBusyWait(std::chrono::seconds(5));
    sqlite3_close(other);
    EXPECT_EQ(run("get", "saveINTMAX").out, "3\n");
}

}  // namespace
