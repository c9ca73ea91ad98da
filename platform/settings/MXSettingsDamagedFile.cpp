#include "platform/settings/MXSettingsDamagedFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "platform/log/MXLog.h"

namespace mxcalc::detail {

namespace {

// The files SQLite keeps beside a store: a journal left there would be played back into
// the fresh store, so they go aside with it.
constexpr const char* kCompanionSuffixes[] = {"-journal", "-wal", "-shm"};

constexpr int kMaxNameAttempts = 100;

std::string timeStamp() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

// Renames without ever replacing a file already at `to`: 0 or an errno value.
int renameKeepingTarget(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL) {
        return errno;
    }
    // The file system cannot refuse to replace: a hard link can.
    if (link(from.c_str(), to.c_str()) != 0) {
        return errno;
    }
    return unlink(from.c_str()) == 0 ? 0 : errno;
}

// Moves the file to the first free damaged name: that name, or nothing with errno set.
std::string moveToFreeName(const std::string& file) {
    const std::string base = file + ".damaged-" + timeStamp();
    int result = EEXIST;
    for (int attempt = 1; attempt <= kMaxNameAttempts && result == EEXIST; ++attempt) {
        std::string aside = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        result = renameKeepingTarget(file, aside);
        if (result == 0) {
            return aside;
        }
    }
    errno = result;
    return {};
}

}  // namespace

bool MXSettingsMoveDamagedFileAside(const std::filesystem::path& file) {
    const std::string aside = moveToFreeName(file.string());
    if (aside.empty()) {
        MXLog("settings store " + file.string() + " is damaged and cannot be moved aside (" +
              std::strerror(errno) + "); it is left as it is");
        return false;
    }
    for (const char* suffix : kCompanionSuffixes) {
        renameKeepingTarget(file.string() + suffix, aside + suffix);
    }
    MXLog("settings store " + file.string() + " is damaged: kept as " + aside + ", a new store is started");
    return true;
}

}  // namespace mxcalc::detail
