#include "platform/settings/MXSettingsDatabase.h"

#include <sqlite3.h>

#include <cmath>

#include "platform/settings/MXSettingsConnection.h"

namespace mxcalc::detail {

namespace {

// A statement that does not compile against the settings table means the file holds
// something else under that name: count it as damage.
int preparedOrDamage(const MXSettingsStatement& statement) {
    int result = statement.prepareResult();
    return result == SQLITE_ERROR ? SQLITE_CORRUPT : result;
}

// Runs `body` on a connection to the file; when the file turns out to be damaged, the
// file is moved aside, a fresh one started and `body` runs once more. True when `body` succeeded.
template <class Body>
bool runOnStore(const std::filesystem::path& file, Body body) {
    MXSettingsConnection connection(file);
    if (!connection.isOpen()) {
        return false;
    }
    int result = body(connection);
    if (MXSettingsIsDamage(result)) {
        connection.replaceDamagedFile();
        result = connection.isOpen() ? body(connection) : result;
    }
    return result == SQLITE_OK || result == SQLITE_DONE;
}

void bindText(sqlite3_stmt* statement, int index, std::u16string_view text) {
    sqlite3_bind_text16(statement, index, text.data(), static_cast<int>(text.size() * sizeof(char16_t)),
                        SQLITE_TRANSIENT);
}

std::u16string columnText(sqlite3_stmt* statement, int column) {
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
    int bytes = sqlite3_column_bytes16(statement, column);
    return text == nullptr ? std::u16string() : std::u16string(text, static_cast<size_t>(bytes) / sizeof(char16_t));
}

std::optional<MXSettingsValue> columnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return MXSettingsValue(static_cast<int64_t>(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return MXSettingsValue(sqlite3_column_double(statement, column));
    case SQLITE_NULL:
        return std::nullopt;
    default:
        return MXSettingsValue(columnText(statement, column));
    }
}

void bindValue(sqlite3_stmt* statement, int index, const MXSettingsValue& value) {
    if (const auto* integer = std::get_if<int64_t>(&value)) {
        sqlite3_bind_int64(statement, index, *integer);
    } else if (const auto* real = std::get_if<double>(&value)) {
        sqlite3_bind_double(statement, index, *real);
    } else {
        bindText(statement, index, std::get<std::u16string>(value));
    }
}

// Runs one statement on the file: `start` binds its parameters (and resets what an
// earlier attempt collected), `row` receives each result row.
template <class Start, class Row>
bool runStatement(const std::filesystem::path& file, std::string_view sql, Start start, Row row) {
    return runOnStore(file, [&](const MXSettingsConnection& connection) {
        MXSettingsStatement statement(connection, sql);
        if (statement.prepareResult() != SQLITE_OK) {
            return preparedOrDamage(statement);
        }
        start(statement.handle());
        int result;
        while ((result = sqlite3_step(statement.handle())) == SQLITE_ROW) {
            row(statement.handle());
        }
        return result;
    });
}

}  // namespace

std::optional<MXSettingsValue> MXSettingsDatabase::read(std::u16string_view key) const {
    std::optional<MXSettingsValue> found;
    runStatement(
        file_, "SELECT value FROM settings WHERE key = ?1",
        [&](sqlite3_stmt* statement) {
            found.reset();
            bindText(statement, 1, key);
        },
        [&](sqlite3_stmt* statement) { found = columnValue(statement, 0); });
    return found;
}

std::map<std::u16string, MXSettingsValue> MXSettingsDatabase::readAll() const {
    std::map<std::u16string, MXSettingsValue> entries;
    runStatement(
        file_, "SELECT key, value FROM settings", [&](sqlite3_stmt*) { entries.clear(); },
        [&](sqlite3_stmt* statement) {
            if (auto value = columnValue(statement, 1)) {
                entries.emplace(columnText(statement, 0), std::move(*value));
            }
        });
    return entries;
}

bool MXSettingsDatabase::write(std::u16string_view key, const MXSettingsValue& value) const {
    // SQLite would store a NaN as NULL, which reads as absent.
    if (const auto* real = std::get_if<double>(&value); real != nullptr && std::isnan(*real)) {
        return false;
    }
    return runStatement(
        file_, "INSERT OR REPLACE INTO settings (key, value) VALUES (?1, ?2)",
        [&](sqlite3_stmt* statement) {
            bindText(statement, 1, key);
            bindValue(statement, 2, value);
        },
        [](sqlite3_stmt*) {});
}

bool MXSettingsDatabase::remove(std::u16string_view key) const {
    return runStatement(
        file_, "DELETE FROM settings WHERE key = ?1", [&](sqlite3_stmt* statement) { bindText(statement, 1, key); },
        [](sqlite3_stmt*) {});
}

MXSettingsAccess MXSettingsDatabase::access() const {
    return MXSettingsConnection(file_).access();
}

}  // namespace mxcalc::detail
