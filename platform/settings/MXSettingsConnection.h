#pragma once
// An open SQLite connection to one settings store file, with the settings table in
// place. Opening recreates a file that is not a database or is damaged.
#include <filesystem>
#include <string_view>

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

    // Deletes the damaged file and opens a fresh one.
    void recreate();

private:
    // SQLITE_OK, or the error that left the connection closed.
    int open();
    void close();

    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
};

// The result codes that mean the file is not a usable store.
bool MXSettingsIsDamage(int resultCode);

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
