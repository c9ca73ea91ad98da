#pragma once
// Runs the mxcalc program through the shell, with a fresh settings folder as MX_SETTINGS_DIR.
#include <sys/wait.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "tests/support/temporary_folder.h"

struct MxcalcRun {
    std::string out;
    int status = -1;
};

// One call of the program: its arguments (shell words), standard input, expected output and exit status.
struct MxcalcCase {
    std::string arguments;
    std::string input;
    std::string out;
    int status;
};

inline std::string shellQuoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

class MxcalcProgram : public TemporarySettingsFolder {
protected:
    // `mxcalc arguments` with `input` (when given) on standard input; standard error is dropped unless kept.
    MxcalcRun mxcalc(const std::string& arguments, const std::string& input = "", bool keepErrors = false) const {
        std::string command = "MX_SETTINGS_DIR=" + shellQuoted(folder().string()) + " " + MX_MXCALC_PATH + " " +
                              arguments + (keepErrors ? " 2>&1" : " 2>/dev/null");
        // No input is an empty standard input, never the test runner's own.
        command = input.empty() ? command + " </dev/null" : "printf '%s' " + shellQuoted(input) + " | " + command;
        return shell(command);
    }

    // Any shell command line: its standard output and exit status.
    static MxcalcRun shell(const std::string& command) {
        MxcalcRun run;
        std::FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) return run;
        char buffer[4096];
        for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, read);
        const int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    void expectRuns(std::initializer_list<MxcalcCase> cases) const {
        for (const MxcalcCase& c : cases) {
            const MxcalcRun run = mxcalc(c.arguments, c.input);
            EXPECT_EQ(run.out, c.out) << c.arguments << " < " << c.input;
            EXPECT_EQ(run.status, c.status) << c.arguments << " < " << c.input;
        }
    }

    std::string settingsOption() const { return "--settings " + shellQuoted(folder().string()) + " "; }
};
