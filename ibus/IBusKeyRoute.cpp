#include "ibus/IBusKeyRoute.h"

#include <algorithm>
#include <array>

#include "platform/text/MXText.h"

namespace {

// AltGr (Mod5) and Shift choose characters, so they are not among these.
constexpr guint kCommandModifiers = IBUS_CONTROL_MASK | IBUS_MOD1_MASK | IBUS_MOD4_MASK | IBUS_SUPER_MASK |
                                    IBUS_HYPER_MASK | IBUS_META_MASK | IBUS_RELEASE_MASK;

constexpr std::array kCursorKeys = {
    IBUS_KEY_Left,    IBUS_KEY_Right,   IBUS_KEY_Up,      IBUS_KEY_Down,      IBUS_KEY_Home,
    IBUS_KEY_End,     IBUS_KEY_Page_Up, IBUS_KEY_Page_Down, IBUS_KEY_KP_Left, IBUS_KEY_KP_Right,
    IBUS_KEY_KP_Up,   IBUS_KEY_KP_Down, IBUS_KEY_KP_Home, IBUS_KEY_KP_End,    IBUS_KEY_KP_Page_Up,
    IBUS_KEY_KP_Page_Down, IBUS_KEY_KP_Begin};

bool isOneOf(guint keyval, std::initializer_list<guint> keys) {
    return std::find(keys.begin(), keys.end(), keyval) != keys.end();
}

}  // namespace

IBusRoutedKey IBusRouteKey(guint keyval, guint modifiers) {
    if (modifiers & kCommandModifiers) return {IBusKeyRoute::PassThrough, {}};
    if (std::find(kCursorKeys.begin(), kCursorKeys.end(), keyval) != kCursorKeys.end()) {
        return {IBusKeyRoute::CursorMove, {}};
    }
    if (keyval == IBUS_KEY_BackSpace) return {IBusKeyRoute::Backspace, {}};
    if (isOneOf(keyval, {IBUS_KEY_space, IBUS_KEY_KP_Space})) return {IBusKeyRoute::Space, {}};
    if (isOneOf(keyval, {IBUS_KEY_Return, IBUS_KEY_KP_Enter, IBUS_KEY_ISO_Enter})) return {IBusKeyRoute::Return, {}};
    const gunichar character = ibus_keyval_to_unicode(keyval);
    if (character == 0 || !g_unichar_isprint(character)) return {IBusKeyRoute::PassThrough, {}};
    gchar utf8[8] = {};
    g_unichar_to_utf8(character, utf8);
    return {IBusKeyRoute::Text, MXFromUtf8(utf8)};
}
