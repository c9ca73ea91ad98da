#pragma once
// The keys of the keyboard's settings stores: the store each lives in and its type.
// Every key's default is the store's value for an absent key of its type (0, 0.0,
// nothing); what that default means to the keyboard is noted beside each key.
#include <array>
#include <string_view>

#include "platform/settings/MXSettingsValue.h"

enum class KeyboardSettingsStore { Own, Shared };

struct KeyboardSettingsKey {
    std::u16string_view name;
    KeyboardSettingsStore store;
    MXSettingsType type;
};

// Maximum fraction digits of results; absent or 0 means 11.
inline constexpr std::u16string_view KeyboardKeySaveINTMAX = u"saveINTMAX";
// Typing into the host document, 0 or 1; absent means on.
inline constexpr std::u16string_view KeyboardKeySaveCanType = u"saveCanType";
// Non-zero: "." is the decimal separator; absent or 0: the locale's.
inline constexpr std::u16string_view KeyboardKeyDecimalDot = u"decimalDot";
// User function definitions; absent means none.
inline constexpr std::u16string_view KeyboardKeySaveCustomFunc = u"saveCustomFunc";
// 1 when the last nth root was taken of a negative radicand's magnitude; absent is 0.
inline constexpr std::u16string_view KeyboardKeyIntIMAGINARY = u"intIMAGINARY";
// How many times the keyboard has been loaded, up to 999; absent is 0.
inline constexpr std::u16string_view KeyboardKeyKeyboardInstall = u"keyboard_install";
// The value of varx, set by the containing application; absent is 0.
inline constexpr std::u16string_view KeyboardKeyVarXvalue = u"varXvalue";

inline constexpr std::array<KeyboardSettingsKey, 7> KeyboardSettingsKeys = {{
    {KeyboardKeySaveINTMAX, KeyboardSettingsStore::Own, MXSettingsType::Integer},
    {KeyboardKeySaveCanType, KeyboardSettingsStore::Own, MXSettingsType::Integer},
    {KeyboardKeyDecimalDot, KeyboardSettingsStore::Own, MXSettingsType::Integer},
    {KeyboardKeySaveCustomFunc, KeyboardSettingsStore::Own, MXSettingsType::Text},
    {KeyboardKeyIntIMAGINARY, KeyboardSettingsStore::Own, MXSettingsType::Integer},
    {KeyboardKeyKeyboardInstall, KeyboardSettingsStore::Shared, MXSettingsType::Integer},
    {KeyboardKeyVarXvalue, KeyboardSettingsStore::Shared, MXSettingsType::Double},
}};

// The type of a key: the table's, and text for keys not in the table.
constexpr MXSettingsType KeyboardSettingsTypeOfKey(std::u16string_view name) {
    for (const auto& key : KeyboardSettingsKeys) {
        if (key.name == name) {
            return key.type;
        }
    }
    return MXSettingsType::Text;
}
