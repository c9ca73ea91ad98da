#pragma once
// Runs the mxcalc program through the shell and collects its standard output and status.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

struct MxcalcProgramRun {
    int status = -1;
    std::string out;
};

// `input | mxcalc arguments` with the settings folder `settings`; no input means no pipe.
// Standard error is dropped.
inline MxcalcProgramRun runMxcalcProgram(const std::string& mxcalcPath, const std::filesystem::path& settings,
                                         const std::string& arguments, const std::string& input = "") {
    std::string command =
        "MX_SETTINGS_DIR='" + settings.string() + "' " + mxcalcPath + " " + arguments + " 2>/dev/null";
    if (!input.empty()) command = "printf '" + input + "' | " + command;
    MxcalcProgramRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) run.out += buffer;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
