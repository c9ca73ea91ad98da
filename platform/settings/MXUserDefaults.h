#pragma once
// The settings stores: the keyboard's own store (standardUserDefaults) and the store of
// an application group shared with the containing application (the suite named by the
// app-group identifier). Each store is one database file in the settings folder
// (MXSettingsDirectory, or a folder given explicitly): "standard.sqlite" for the own
// store, "<suite name>.sqlite" for a suite.
//
// Nothing is cached: every read goes to the file, so a value another process wrote is
// seen by the next read; every write is committed before it returns. A missing,
// unreadable or busy file reads as empty and a write that cannot reach it returns false.
// A damaged file is never deleted: it is moved aside in its folder (a log line says where)
// and a fresh store started. A file locked by another process for more than five seconds
// is busy: left untouched. Absent values read as 0, 0.0 and nothing.
// Values keep their type; reads of another type convert as MXSettingsValue.h describes.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings/MXSettingsValue.h"

// Whether a store file can be used now.
enum class MXSettingsAccess {
    Open,
    Busy,  // locked by another process for longer than the wait
    Unreachable,
};

// The application group shared by the keyboard and its containing application.
extern const std::u16string MXAppGroupIdentifier;

class MXUserDefaults {
public:
    // The keyboard's own store.
    MXUserDefaults() = default;
    // The store of the named suite. Throws std::invalid_argument for a name that cannot
    // be a file name (empty, "standard", containing "/" or a NUL, or starting with ".").
    explicit MXUserDefaults(std::u16string suiteName);

    // A process-wide own store that follows the settings folder of the moment.
    static MXUserDefaults& standardUserDefaults();

    // The store of the named suite in this store's folder (see the constructor).
    MXUserDefaults suite(std::u16string suiteName) const;
    // The same store in the given folder instead of the settings folder.
    MXUserDefaults inDirectory(std::filesystem::path directory) const;

    const std::optional<std::u16string>& suiteName() const { return suiteName_; }
    std::filesystem::path filePath() const;

    int64_t integerForKey(std::u16string_view key) const;
    double doubleForKey(std::u16string_view key) const;
    std::optional<std::u16string> stringForKey(std::u16string_view key) const;
    std::optional<MXSettingsValue> objectForKey(std::u16string_view key) const;
    bool hasKey(std::u16string_view key) const { return objectForKey(key).has_value(); }
    std::map<std::u16string, MXSettingsValue> dictionaryRepresentation() const;

    // Each returns whether the value was committed. A NaN double is refused (false).
    bool setInteger(int64_t value, std::u16string_view key) const;
    bool setDouble(double value, std::u16string_view key) const;
    bool setString(std::u16string_view value, std::u16string_view key) const;
    bool setObject(const MXSettingsValue& value, std::u16string_view key) const;
    bool removeObjectForKey(std::u16string_view key) const;

    // Writes are committed at once; this only tells whether the store file is usable.
    bool synchronize() const { return access() == MXSettingsAccess::Open; }
    MXSettingsAccess access() const;

private:
    std::optional<std::u16string> suiteName_;
    std::optional<std::filesystem::path> directory_;
};
