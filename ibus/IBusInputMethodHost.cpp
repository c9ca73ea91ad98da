#include "ibus/IBusInputMethodHost.h"

#include <algorithm>

#include "platform/text/MXText.h"

namespace {

// The evdev code of BackSpace as X numbers it, for applications that look at key codes.
constexpr guint kBackSpaceKeycode = 14;

}  // namespace

void IBusInputMethodHost::insertText(std::u16string_view text) {
    // Committed text goes where the preedit stands; the preedit must not stay in front of it.
    showPreedit("");
    ibus_engine_commit_text(engine_, ibus_text_new_from_string(MXToUtf8(text).c_str()));
}

void IBusInputMethodHost::deleteBackward() {
    if (engine_->client_capabilities & IBUS_CAP_SURROUNDING_TEXT) {
        ibus_engine_delete_surrounding_text(engine_, -1, 1);
        return;
    }
    ibus_engine_forward_key_event(engine_, IBUS_KEY_BackSpace, kBackSpaceKeycode, 0);
    ibus_engine_forward_key_event(engine_, IBUS_KEY_BackSpace, kBackSpaceKeycode, IBUS_RELEASE_MASK);
}

std::optional<std::u16string> IBusInputMethodHost::documentContextBeforeInput() const {
    if (!(engine_->client_capabilities & IBUS_CAP_SURROUNDING_TEXT)) return std::nullopt;
    IBusText* text = nullptr;
    guint cursor = 0;
    guint anchor = 0;
    ibus_engine_get_surrounding_text(engine_, &text, &cursor, &anchor);
    if (!text) return std::nullopt;
    const gchar* whole = ibus_text_get_text(text);
    const glong length = g_utf8_strlen(whole, -1);
    const gchar* end = g_utf8_offset_to_pointer(whole, std::min<glong>(cursor, length));
    return MXFromUtf8(std::string_view(whole, static_cast<size_t>(end - whole)));
}

void IBusInputMethodHost::showExpression(const std::u16string& expression, const std::u16string& result,
                                         bool asPreedit) {
    showPreedit(asPreedit ? MXToUtf8(expression) : "");
    const std::string auxiliary = result.empty() ? "" : MXToUtf8(expression + result);
    if (auxiliary == auxiliary_) return;
    auxiliary_ = auxiliary;
    ibus_engine_update_auxiliary_text(engine_, ibus_text_new_from_string(auxiliary.c_str()), !auxiliary.empty());
}

void IBusInputMethodHost::forgetShown() {
    preedit_.reset();
    auxiliary_.reset();
}

// An empty text hides the preedit. Cleared when focus leaves, so that nothing stays behind.
void IBusInputMethodHost::showPreedit(const std::string& text) {
    if (text == preedit_) return;
    preedit_ = text;
    IBusText* shown = ibus_text_new_from_string(text.c_str());
    if (!text.empty()) {
        ibus_text_append_attribute(shown, IBUS_ATTR_TYPE_UNDERLINE, IBUS_ATTR_UNDERLINE_SINGLE, 0,
                                   static_cast<gint>(g_utf8_strlen(text.c_str(), -1)));
    }
    ibus_engine_update_preedit_text_with_mode(engine_, shown, static_cast<guint>(g_utf8_strlen(text.c_str(), -1)),
                                              !text.empty(), IBUS_ENGINE_PREEDIT_CLEAR);
}
