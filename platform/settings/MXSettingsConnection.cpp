#include "platform/settings/MXSettingsConnection.h"

#include <sqlite3.h>

#include <sys/stat.h>

#include <atomic>
#include <system_error>

#include "platform/settings/MXSettingsDamagedFile.h"

namespace mxcalc::detail {

namespace {

// Long enough for another process's write to finish, short enough not to freeze a key tap.
std::atomic<int> busyWaitMilliseconds{5000};

// Commits go through a rollback journal without waiting for the disk: a commit is seen
// by every other connection at once and survives a crash of this process; only a crash
// of the whole system can damage the file, which is then moved aside and started anew.
// A value column without a declared type keeps each value's own type.
constexpr const char* kSchema =
    "PRAGMA synchronous=OFF;"
    "CREATE TABLE IF NOT EXISTS settings (key TEXT PRIMARY KEY NOT NULL, value);";

}  // namespace

bool MXSettingsIsDamage(int resultCode) {
    int primary = resultCode & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

void MXSettingsSetBusyWait(std::chrono::milliseconds wait) {
    busyWaitMilliseconds = static_cast<int>(wait.count());
}

MXSettingsConnection::MXSettingsConnection(const std::filesystem::path& file) : file_(file) {
    if (MXSettingsIsDamage(open())) {
        replaceDamagedFile();
    }
}

MXSettingsConnection::~MXSettingsConnection() {
    close();
}

int MXSettingsConnection::open() {
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);
    opened_ = identityOf(file_);
    int result = sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result == SQLITE_OK) {
        sqlite3_busy_timeout(db_, busyWaitMilliseconds);
        result = sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr);
    }
    if (result != SQLITE_OK) {
        close();
    }
    openResult_ = result;
    return result;
}

void MXSettingsConnection::close() {
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

MXSettingsAccess MXSettingsConnection::access() const {
    switch (openResult_ & 0xff) {
    case SQLITE_OK: return MXSettingsAccess::Open;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return MXSettingsAccess::Busy;
    default: return MXSettingsAccess::Unreachable;
    }
}

std::optional<MXSettingsConnection::FileIdentity> MXSettingsConnection::identityOf(const std::filesystem::path& file) {
    struct stat status {};
    if (stat(file.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileIdentity{status.st_dev, status.st_ino};
}

void MXSettingsConnection::replaceDamagedFile() {
    close();
    const bool stillTheDamagedFile = opened_ && identityOf(file_) == opened_;
    if (stillTheDamagedFile && !MXSettingsMoveDamagedFileAside(file_)) {
        openResult_ = SQLITE_CORRUPT;
        return;
    }
    open();
}

MXSettingsStatement::MXSettingsStatement(const MXSettingsConnection& connection, std::string_view sql)
    : prepareResult_(sqlite3_prepare_v2(connection.handle(), sql.data(), static_cast<int>(sql.size()),
                                        &statement_, nullptr)) {}

MXSettingsStatement::~MXSettingsStatement() {
    sqlite3_finalize(statement_);
}

}  // namespace mxcalc::detail
