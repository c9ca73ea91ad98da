// mxcalc settings get|set|unset, called as the command-line front end calls it.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "cli/SettingsCommand.h"
#include "platform/settings/MXUserDefaults.h"
#include "platform/text/MXText.h"
#include "tests/platform/settings_TemporaryFolder.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    bool wroteError;
};

class SettingsCommand : public TemporarySettingsFolder {
protected:
    Outcome run(const std::string& action, const std::string& key, std::optional<std::string> value = std::nullopt,
                bool shared = false) {
        std::ostringstream out;
        std::ostringstream err;
        int status = runSettingsCommand(action, key, value, shared, folder().string(), out, err);
        return {status, out.str(), !err.str().empty()};
    }

    MXUserDefaults ownStore() const { return MXUserDefaults().inDirectory(folder()); }
    MXUserDefaults sharedStore() const { return MXUserDefaults(MXAppGroupIdentifier).inDirectory(folder()); }
};

// set KEY VALUE then get KEY prints the value in the key's type.
struct RoundTripCase {
    const char* key;
    const char* value;
    bool shared;
    const char* printed;
    MXSettingsType storedType;
};

class SettingsCommandRoundTrip : public SettingsCommand, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(SettingsCommandRoundTrip, SetThenGet) {
    const RoundTripCase& c = GetParam();
    EXPECT_EQ(run("set", c.key, c.value, c.shared).status, 0);
    Outcome got = run("get", c.key, std::nullopt, c.shared);
    EXPECT_EQ(got.status, 0);
    EXPECT_EQ(got.out, std::string(c.printed) + "\n");
    MXUserDefaults store = c.shared ? sharedStore() : ownStore();
    EXPECT_EQ(MXSettingsTypeOf(store.objectForKey(MXFromUtf8(c.key)).value()), c.storedType);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SettingsCommandRoundTrip,
    ::testing::Values(RoundTripCase{"saveINTMAX", "7", false, "7", MXSettingsType::Integer},
                      RoundTripCase{"saveCanType", "0", false, "0", MXSettingsType::Integer},
                      RoundTripCase{"decimalDot", "+1", false, "1", MXSettingsType::Integer},
                      RoundTripCase{"intIMAGINARY", "-9223372036854775808", false, "-9223372036854775808",
                                    MXSettingsType::Integer},
                      RoundTripCase{"keyboard_install", "998", true, "998", MXSettingsType::Integer},
                      RoundTripCase{"varXvalue", "0.1", true, "0.1", MXSettingsType::Double},
                      RoundTripCase{"varXvalue", "2", true, "2", MXSettingsType::Double},
                      RoundTripCase{"varXvalue", "1e-9", true, "1e-09", MXSettingsType::Double},
                      RoundTripCase{"varXvalue", "-inf", true, "-inf", MXSettingsType::Double},
                      RoundTripCase{"saveCustomFunc", "sq~~$1*$1~|~km~~1000", false, "sq~~$1*$1~|~km~~1000",
                                    MXSettingsType::Text},
                      RoundTripCase{"saveCustomFunc", "", false, "", MXSettingsType::Text},
                      RoundTripCase{"myOwnKey", "42", false, "42", MXSettingsType::Text},
                      RoundTripCase{"\xce\xbb", "\xe2\x88\x9a 2", false, "\xe2\x88\x9a 2", MXSettingsType::Text}));

struct RejectedCase {
    const char* action;
    const char* key;
    std::optional<std::string> value;
    int status;
};

class SettingsCommandRejects : public SettingsCommand, public ::testing::WithParamInterface<RejectedCase> {};

TEST_P(SettingsCommandRejects, WithAMessageAndNoChange) {
    const RejectedCase& c = GetParam();
    Outcome outcome = run(c.action, c.key, c.value);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_TRUE(outcome.wroteError);
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(ownStore().dictionaryRepresentation().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SettingsCommandRejects,
    ::testing::Values(RejectedCase{"set", "saveINTMAX", "7.5", 1}, RejectedCase{"set", "saveINTMAX", "abc", 1},
                      RejectedCase{"set", "saveINTMAX", "", 1}, RejectedCase{"set", "saveINTMAX", " 7", 1},
                      RejectedCase{"set", "saveINTMAX", "+-7", 1}, RejectedCase{"set", "saveINTMAX", "0x10", 1},
                      RejectedCase{"set", "saveINTMAX", "9223372036854775808", 1},
                      RejectedCase{"set", "varXvalue", "nan", 1}, RejectedCase{"set", "varXvalue", "1e999", 1},
                      RejectedCase{"set", "varXvalue", "1,5", 1}, RejectedCase{"set", "varXvalue", "+", 1},
                      RejectedCase{"set", "saveINTMAX", std::nullopt, 2}, RejectedCase{"get", "saveINTMAX", "1", 2},
                      RejectedCase{"unset", "saveINTMAX", "1", 2}, RejectedCase{"put", "saveINTMAX", "1", 2},
                      RejectedCase{"get", "", std::nullopt, 2}));

TEST_F(SettingsCommand, AbsentKeyPrintsAnEmptyLine) {
    for (const char* key : {"saveINTMAX", "varXvalue", "saveCustomFunc", "unknown"}) {
        Outcome outcome = run("get", key);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.out, "\n");
    }
}

TEST_F(SettingsCommand, UnsetRemovesTheKeyAndSucceedsWhenAbsent) {
    ASSERT_EQ(run("set", "saveCanType", "0").status, 0);
    EXPECT_EQ(run("unset", "saveCanType").status, 0);
    EXPECT_FALSE(ownStore().hasKey(u"saveCanType"));
    EXPECT_EQ(run("unset", "saveCanType").status, 0);
}

TEST_F(SettingsCommand, SharedFlagChoosesTheStore) {
    ASSERT_EQ(run("set", "keyboard_install", "5", true).status, 0);
    EXPECT_EQ(run("get", "keyboard_install").out, "\n");
    EXPECT_EQ(sharedStore().integerForKey(u"keyboard_install"), 5);
}

// Values stored by the keyboard or the containing app in another type print in the key's.
TEST_F(SettingsCommand, GetConvertsToTheKeysType) {
    ownStore().setString(u"12.9", u"saveINTMAX");
    sharedStore().setInteger(3, u"varXvalue");
    ownStore().setDouble(0.5, u"anything");
    EXPECT_EQ(run("get", "saveINTMAX").out, "12\n");
    EXPECT_EQ(run("get", "varXvalue", std::nullopt, true).out, "3\n");
    EXPECT_EQ(run("get", "anything").out, "0.5\n");
}

TEST_F(SettingsCommand, UnusableFolderFails) {
    std::filesystem::path blocked = folder() / "blocked";
    std::FILE* file = std::fopen(blocked.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runSettingsCommand("set", "saveINTMAX", "1", false, blocked.string(), out, err), 1);
    EXPECT_EQ(runSettingsCommand("get", "saveINTMAX", std::nullopt, false, blocked.string(), out, err), 1);
    EXPECT_NE(err.str().find("cannot"), std::string::npos);
    EXPECT_EQ(runSettingsCommand("get", "saveINTMAX", std::nullopt, false, std::string(), out, err), 2);
}

TEST_F(SettingsCommand, WithoutAFolderUsesTheProcessSettingsFolder) {
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runSettingsCommand("set", "saveINTMAX", "4", false, std::nullopt, out, err), 0);
    EXPECT_EQ(MXUserDefaults::standardUserDefaults().integerForKey(u"saveINTMAX"), 4);
}

}  // namespace
