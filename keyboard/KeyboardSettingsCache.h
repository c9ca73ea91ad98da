#pragma once
// The values of a settings store, read again only after its file has changed. Reading the
// store opens its database, which is far too slow for every key tap; instead a kernel
// file-change notification on the store's folder tells of writes from any process, so
// asking for the values costs one non-blocking check while nothing changed.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings/MXUserDefaults.h"

class KeyboardSettingsCache {
public:
    explicit KeyboardSettingsCache(MXUserDefaults store);
    ~KeyboardSettingsCache();
    KeyboardSettingsCache(const KeyboardSettingsCache&) = delete;
    KeyboardSettingsCache& operator=(const KeyboardSettingsCache&) = delete;

    // The store's values of the moment.
    const std::map<std::u16string, MXSettingsValue>& values();

    const MXUserDefaults& store() const { return store_; }

private:
    // Watches the folder of `file`; false when it cannot be watched.
    bool watch(const std::filesystem::path& file);
    void unwatch();
    // Consumes the pending notifications; true when any tells of a change of the store.
    bool storeChanged();

    MXUserDefaults store_;
    std::filesystem::path file_;
    int notifier_ = -1;
    int watch_ = -1;
    bool current_ = false;
    std::map<std::u16string, MXSettingsValue> values_;
};

// Typed reads from a store's values, with the store's conventions for absent keys.
int64_t KeyboardSettingsInteger(const std::map<std::u16string, MXSettingsValue>& values, std::u16string_view key);
std::optional<std::u16string> KeyboardSettingsText(const std::map<std::u16string, MXSettingsValue>& values,
                                                   std::u16string_view key);
