// mxcalc settings through the program itself.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/platform/settings_TemporaryFolder.h"

#ifdef MX_MXCALC_PATH

namespace {

struct ProgramResult {
    int status;
    std::string out;
};

// Runs mxcalc with the arguments, after the environment assignments given.
ProgramResult runMxcalc(const std::string& arguments, const std::string& environment = "") {
    std::string command = environment + " " + MX_MXCALC_PATH + " " + arguments + " 2>/dev/null";
    ProgramResult result{-1, {}};
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        result.out += buffer;
    }
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

using MxcalcSettings = TemporarySettingsFolder;

TEST_F(MxcalcSettings, SetGetAndUnsetThroughTheProgram) {
    std::string settings = "--settings '" + folder().string() + "' settings ";
    EXPECT_EQ(runMxcalc(settings + "set saveINTMAX 7").status, 0);
    EXPECT_EQ(runMxcalc(settings + "get saveINTMAX").out, "7\n");
    EXPECT_EQ(runMxcalc(settings + "set varXvalue 0.25 --shared").status, 0);
    EXPECT_EQ(runMxcalc(settings + "get varXvalue --shared").out, "0.25\n");
    EXPECT_EQ(runMxcalc(settings + "set saveINTMAX seven").status, 1);
    EXPECT_EQ(runMxcalc(settings + "unset saveINTMAX").status, 0);
    EXPECT_EQ(runMxcalc(settings + "get saveINTMAX").out, "\n");
}

TEST_F(MxcalcSettings, SettingsFolderFromTheEnvironment) {
    std::string environment = "MX_SETTINGS_DIR='" + folder().string() + "'";
    EXPECT_EQ(runMxcalc("settings set saveCustomFunc 'sq~~$1*$1'", environment).status, 0);
    EXPECT_EQ(runMxcalc("--settings '" + folder().string() + "' settings get saveCustomFunc").out, "sq~~$1*$1\n");
}

}  // namespace

#endif
