#pragma once
// An open SQLite connection to one settings store file, with the settings table in
// place. Opening moves a file that is not a database or is damaged aside (see
// MXSettingsDamagedFile.h) and starts a fresh one. A file locked by another process for
// longer than the busy wait is left untouched and reported busy.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/settings/MXUserDefaults.h"

struct sqlite3;
struct sqlite3_stmt;

namespace mxcalc::detail {

class MXSettingsConnection {
public:
    explicit MXSettingsConnection(const std::filesystem::path& file);
    ~MXSettingsConnection();
    MXSettingsConnection(const MXSettingsConnection&) = delete;
    MXSettingsConnection& operator=(const MXSettingsConnection&) = delete;

    bool isOpen() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_; }
    // Open, busy (locked by another process) or unreachable.
    MXSettingsAccess access() const;

    // Moves the damaged file aside and opens a fresh one. When another process has
    // already put a new file in its place, that file is opened instead.
    void replaceDamagedFile();

private:
    struct FileIdentity {
        dev_t device;
        ino_t inode;
        bool operator==(const FileIdentity&) const = default;
    };
    static std::optional<FileIdentity> identityOf(const std::filesystem::path& file);

    // SQLITE_OK, or the error that left the connection closed.
    int open();
    void close();

    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
    int openResult_ = 0;
    std::optional<FileIdentity> opened_;
};

// The result codes that mean the file is not a usable store.
bool MXSettingsIsDamage(int resultCode);

// How long an operation waits for another process's lock before it gives up as busy
// (five seconds unless changed; tests shorten it).
void MXSettingsSetBusyWait(std::chrono::milliseconds wait);

// A prepared statement, finalized when it goes out of scope.
class MXSettingsStatement {
public:
    MXSettingsStatement(const MXSettingsConnection& connection, std::string_view sql);
    ~MXSettingsStatement();
    MXSettingsStatement(const MXSettingsStatement&) = delete;
    MXSettingsStatement& operator=(const MXSettingsStatement&) = delete;

    // The result of preparing: SQLITE_OK or an error code.
    int prepareResult() const { return prepareResult_; }
    sqlite3_stmt* handle() const { return statement_; }

private:
    sqlite3_stmt* statement_ = nullptr;
    int prepareResult_;
};

}  // namespace mxcalc::detail
