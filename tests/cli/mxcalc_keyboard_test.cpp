// mxcalc --keyboard end to end: one line per input, the space key's title as it stands.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "keyboard/KeyboardSettingsKeys.h"
#include "platform/settings/MXUserDefaults.h"

namespace {

struct KeyboardRun {
    std::string output;
    int status;
};

class MxcalcKeyboard : public testing::Test {
protected:
    MxcalcKeyboard() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mxcalc-keyboard-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
    }
    ~MxcalcKeyboard() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Runs mxcalc --keyboard with the settings in the test's folder, the input on standard input.
    KeyboardRun run(const std::string& options, const std::string& input) const {
        const std::filesystem::path inputFile = folder_ / "input.txt";
        if (FILE* file = fopen(inputFile.c_str(), "w")) {
            fwrite(input.data(), 1, input.size(), file);
            fclose(file);
        }
        const std::string command = std::string(MX_MXCALC_PATH) + " --keyboard --settings '" + folder_.string() + "' " +
                                    options + " < '" + inputFile.string() + "' 2>&1";
        KeyboardRun result{"", -1};
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) return result;
        char buffer[4096];
        for (size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.output.append(buffer, read);
        const int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

    std::filesystem::path folder_;
};

TEST_F(MxcalcKeyboard, PrintsTheSpaceKeyTitleForEachLine) {
    const KeyboardRun result = run("--locale en_US --timezone UTC", "2+3\n1/0\nhello\n(2+3\nsind(30\n\n1234567.5\n");
    EXPECT_EQ(result.output, " = 5\n = NaN\n\n = 5\n = 0.5\n\n = 1,234,567.5\n");
    EXPECT_EQ(result.status, 0);
}

TEST_F(MxcalcKeyboard, UsesTheLocaleGiven) {
    const KeyboardRun result = run("--locale de_DE --timezone UTC", "1234,5\n2/3\n");
    EXPECT_EQ(result.output, " = 1 234,5\n = 0,66666666667\n");
    EXPECT_EQ(result.status, 0);
}

TEST_F(MxcalcKeyboard, ReadsDefinitionsAndPrecisionFromTheStores) {
    const MXUserDefaults store = MXUserDefaults().inDirectory(folder_);
    ASSERT_TRUE(store.setString(u"sq~~$1*$1~|~timestamp~~x", KeyboardKeySaveCustomFunc));
    ASSERT_TRUE(store.setInteger(2, KeyboardKeySaveINTMAX));
    const KeyboardRun result = run("--locale en_US --timezone Europe/Berlin", "sq(1.5)\ntimestamp(2020;1;1)\n");
    EXPECT_EQ(result.output, " = 2.25\n = 1,577,829,600\n");
    EXPECT_EQ(result.status, 0);
}

TEST_F(MxcalcKeyboard, RejectsAnUnknownTimeZone) {
    const KeyboardRun result = run("--timezone Nowhere/Atall", "1\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.output.find("Nowhere/Atall"), std::string::npos) << result.output;
}

}  // namespace
