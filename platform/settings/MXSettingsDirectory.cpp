#include "platform/settings/MXSettingsDirectory.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <pwd.h>
#include <unistd.h>

namespace {

std::mutex& directoryMutex() {
    static std::mutex mutex;
    return mutex;
}

std::optional<std::filesystem::path>& explicitDirectory() {
    static std::optional<std::filesystem::path> directory;
    return directory;
}

std::optional<std::filesystem::path> environmentPath(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::filesystem::path(value);
}

// The user's entry of the password file, read directly: the name-service lookup behind
// getpwuid cannot work in a statically linked program.
std::optional<std::filesystem::path> passwordFileHome() {
    FILE* file = std::fopen("/etc/passwd", "re");
    if (file == nullptr) return std::nullopt;
    std::optional<std::filesystem::path> home;
    while (const passwd* entry = fgetpwent(file)) {
        if (entry->pw_uid == getuid() && entry->pw_dir != nullptr) {
            home = entry->pw_dir;
            break;
        }
    }
    std::fclose(file);
    return home;
}

std::filesystem::path homeDirectory() {
    if (auto home = environmentPath("HOME")) return *home;
    if (auto home = passwordFileHome()) return *home;
    return std::filesystem::current_path();
}

// Relative values of XDG_CONFIG_HOME are invalid and ignored.
std::filesystem::path configurationDirectory() {
    if (auto configHome = environmentPath("XDG_CONFIG_HOME"); configHome && configHome->is_absolute()) {
        return *configHome;
    }
    return homeDirectory() / ".config";
}

}  // namespace

std::filesystem::path MXSettingsDirectory() {
    {
        std::lock_guard lock(directoryMutex());
        if (explicitDirectory()) {
            return *explicitDirectory();
        }
    }
    if (auto fromEnvironment = environmentPath("MX_SETTINGS_DIR")) {
        return *fromEnvironment;
    }
    return configurationDirectory() / "mxcalc";
}

void MXSetSettingsDirectory(std::optional<std::filesystem::path> directory) {
    std::lock_guard lock(directoryMutex());
    explicitDirectory() = std::move(directory);
}
