#pragma once
// One settings store file: an SQLite database with a table of key, typed value.
// Each operation opens the file, runs one statement in autocommit mode (so a write is
// committed before it returns) and closes it again, so every read sees what any other
// connection or process committed before. A file that is not a database, or is damaged,
// is moved aside and created anew; an operation that still cannot reach the file (busy,
// unreachable) reads as empty and reports its write as failed.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings/MXSettingsValue.h"
#include "platform/settings/MXUserDefaults.h"

namespace mxcalc::detail {

class MXSettingsDatabase {
public:
    explicit MXSettingsDatabase(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& file() const { return file_; }

    std::optional<MXSettingsValue> read(std::u16string_view key) const;
    std::map<std::u16string, MXSettingsValue> readAll() const;
    // False when the value could not be stored (unreachable file, NaN double).
    bool write(std::u16string_view key, const MXSettingsValue& value) const;
    bool remove(std::u16string_view key) const;
    // Whether the file can be opened as a store now (creating it when missing).
    MXSettingsAccess access() const;

private:
    std::filesystem::path file_;
};

}  // namespace mxcalc::detail
