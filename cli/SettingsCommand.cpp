#include "cli/SettingsCommand.h"

#include <charconv>
#include <cmath>

#include "keyboard/KeyboardSettingsKeys.h"
#include "platform/log/MXLog.h"
#include "platform/settings/MXUserDefaults.h"
#include "platform/text/MXText.h"

namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

int usageError(std::ostream& err, const std::string& message) {
    err << "mxcalc settings: " << message << "\n";
    return kUsageError;
}

int failure(std::ostream& err, const std::string& message) {
    err << "mxcalc settings: " << message << "\n";
    return kFailure;
}

// The whole text as a number of type Number, an optional "+" allowed in front.
template <class Number>
std::optional<Number> wholeNumber(const std::string& text) {
    const char* first = text.data() + (text.starts_with('+') && !text.starts_with("+-") ? 1 : 0);
    const char* last = text.data() + text.size();
    Number number{};
    auto result = std::from_chars(first, last, number);
    if (first == last || result.ec != std::errc() || result.ptr != last) {
        return std::nullopt;
    }
    return number;
}

// The value text as a stored value of the key's type, or nothing with a message.
std::optional<MXSettingsValue> typedValue(MXSettingsType type, const std::string& text, std::ostream& err) {
    switch (type) {
    case MXSettingsType::Integer:
        if (auto integer = wholeNumber<int64_t>(text)) {
            return MXSettingsValue(*integer);
        }
        failure(err, "not an integer: " + text);
        return std::nullopt;
    case MXSettingsType::Double:
        if (auto real = wholeNumber<double>(text); real && !std::isnan(*real)) {
            return MXSettingsValue(*real);
        }
        failure(err, "not a number: " + text);
        return std::nullopt;
    case MXSettingsType::Text:
        break;
    }
    return MXSettingsValue(MXFromUtf8(text));
}

bool isKnownKey(const std::string& key) {
    const std::u16string name = MXFromUtf8(key);
    for (const auto& known : KeyboardSettingsKeys) {
        if (known.name == name) {
            return true;
        }
    }
    return false;
}

std::string knownKeyList() {
    std::string list;
    for (const auto& known : KeyboardSettingsKeys) {
        list += (list.empty() ? "" : ", ") + MXToUtf8(std::u16string(known.name));
    }
    return list;
}

std::string valueText(MXSettingsType type, const MXSettingsValue& value) {
    switch (type) {
    case MXSettingsType::Integer: return std::to_string(MXSettingsIntegerValue(value));
    case MXSettingsType::Double: return MXShortestDoubleText(MXSettingsDoubleValue(value));
    case MXSettingsType::Text: break;
    }
    return MXToUtf8(MXSettingsTextValue(value));
}

MXUserDefaults storeFor(bool shared, const std::optional<std::string>& settingsDir) {
    MXUserDefaults store = shared ? MXUserDefaults(MXAppGroupIdentifier) : MXUserDefaults();
    return settingsDir ? store.inDirectory(*settingsDir) : store;
}

// Log lines (a damaged store moved aside) go to the command's error stream while it runs.
class LogToErrorStream {
public:
    explicit LogToErrorStream(std::ostream& err)
        : previous_(MXLogSetSink([&err](std::string_view line) { err << "mxcalc settings: " << line << "\n"; })) {}
    ~LogToErrorStream() { MXLogSetSink(std::move(previous_)); }
    LogToErrorStream(const LogToErrorStream&) = delete;
    LogToErrorStream& operator=(const LogToErrorStream&) = delete;

private:
    MXLogSink previous_;
};

// Why the store cannot be used now, or nothing when it can.
std::optional<std::string> unusableReason(const MXUserDefaults& store) {
    switch (store.access()) {
    case MXSettingsAccess::Open: return std::nullopt;
    case MXSettingsAccess::Busy: return store.filePath().string() + " is busy (locked by another process)";
    case MXSettingsAccess::Unreachable: break;
    }
    return "cannot open " + store.filePath().string();
}

int getSetting(const MXUserDefaults& store, const std::u16string& key, std::ostream& out) {
    auto value = store.objectForKey(key);
    out << (value ? valueText(KeyboardSettingsTypeOfKey(key), *value) : std::string()) << "\n";
    return 0;
}

int setSetting(const MXUserDefaults& store, const std::u16string& key, const MXSettingsValue& value, std::ostream& err) {
    return store.setObject(value, key) ? 0 : failure(err, "cannot write " + store.filePath().string());
}

int unsetSetting(const MXUserDefaults& store, const std::u16string& key, std::ostream& err) {
    return store.removeObjectForKey(key) ? 0 : failure(err, "cannot write " + store.filePath().string());
}

}  // namespace

int runSettingsCommand(const std::string& action, const std::string& key, const std::optional<std::string>& value,
                       bool shared, const std::optional<std::string>& settingsDir, std::ostream& out,
                       std::ostream& err) {
    if (action != "get" && action != "set" && action != "unset") {
        return usageError(err, "unknown action \"" + action + "\" (get, set or unset)");
    }
    if (key.empty()) {
        return usageError(err, "the key is empty");
    }
    if (!isKnownKey(key)) {
        return usageError(err, "unknown key \"" + key + "\" (known keys: " + knownKeyList() + ")");
    }
    if (settingsDir && settingsDir->empty()) {
        return usageError(err, "the settings folder is empty");
    }
    if ((action == "set") != value.has_value()) {
        return usageError(err, action == "set" ? "set needs a value" : action + " takes no value");
    }
    std::u16string storeKey = MXFromUtf8(key);
    std::optional<MXSettingsValue> newValue;
    if (action == "set" && !(newValue = typedValue(KeyboardSettingsTypeOfKey(storeKey), *value, err))) {
        return kFailure;
    }
    LogToErrorStream logToErr(err);
    MXUserDefaults store = storeFor(shared, settingsDir);
    if (auto reason = unusableReason(store)) {
        return failure(err, *reason);
    }
    if (action == "get") {
        return getSetting(store, storeKey, out);
    }
    if (newValue) {
        return setSetting(store, storeKey, *newValue, err);
    }
    return unsetSetting(store, storeKey, err);
}
