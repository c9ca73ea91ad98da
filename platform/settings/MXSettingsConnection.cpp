#include "platform/settings/MXSettingsConnection.h"

#include <sqlite3.h>

#include <system_error>

namespace mxcalc::detail {

namespace {

// Long enough for another process's write to finish, short enough not to freeze a key tap.
constexpr int kBusyTimeoutMilliseconds = 5000;

// Commits go through a rollback journal without waiting for the disk: a commit is seen
// by every other connection at once and survives a crash of this process; only a crash
// of the whole system can damage the file, which then reads as empty and is recreated.
// A value column without a declared type keeps each value's own type.
constexpr const char* kSchema =
    "PRAGMA synchronous=OFF;"
    "CREATE TABLE IF NOT EXISTS settings (key TEXT PRIMARY KEY NOT NULL, value);";

void removeFile(const std::filesystem::path& file) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

}  // namespace

bool MXSettingsIsDamage(int resultCode) {
    int primary = resultCode & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

MXSettingsConnection::MXSettingsConnection(const std::filesystem::path& file) : file_(file) {
    if (MXSettingsIsDamage(open())) {
        recreate();
    }
}

MXSettingsConnection::~MXSettingsConnection() {
    close();
}

int MXSettingsConnection::open() {
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);
    int result = sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result == SQLITE_OK) {
        sqlite3_busy_timeout(db_, kBusyTimeoutMilliseconds);
        result = sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr);
    }
    if (result != SQLITE_OK) {
        close();
    }
    return result;
}

void MXSettingsConnection::close() {
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void MXSettingsConnection::recreate() {
    close();
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        removeFile(file_.string() + suffix);
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
