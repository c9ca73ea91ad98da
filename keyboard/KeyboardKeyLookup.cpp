#include "keyboard/KeyboardKeyLookup.h"

#include <algorithm>
#include <utility>

namespace {

// The special keys by the names key sequences use.
const std::pair<std::u16string_view, std::u16string_view> kSpecialNames[] = {
    {u"space", u"spaceButton"}, {u"return", u"returnButton"}, {u"backspace", u"backSpaceButton"},
    {u"shift", u"shiftButton"}};
const std::pair<std::u16string_view, int64_t> kModeNames[] = {{u"letters", 0}, {u"numbers", 1}, {u"symbols", 2}};

}  // namespace

bool KeyboardIsShown(const MXView& view) {
    for (const MXView* at = &view; at; at = at->superview()) {
        if (at->isHidden()) return false;
    }
    return true;
}

MXButton* KeyboardFindKey(const KeyboardViews& views, std::u16string_view title) {
    const std::pair<std::u16string_view, MXButton*> special[] = {
        {u"shiftButton", views.shiftButton.get()},   {u"backSpaceButton", views.backSpaceButton.get()},
        {u"spaceButton", views.spaceButton.get()},   {u"returnButton", views.returnButton.get()},
        {u"globeButton", views.globeButton.get()},   {u"switchModeRow3Button", views.switchModeRow3Button.get()},
        {u"switchModeRow4Button", views.switchModeRow4Button.get()}};
    for (const auto& [name, button] : special) {
        if (name == title) return button;
    }
    MXButton* hidden = nullptr;
    for (const KeyboardKeyAction& entry : views.keys) {
        if (entry.key->currentTitle() != title) continue;
        if (entry.key->isEnabled() && KeyboardIsShown(*entry.key)) return entry.key.get();
        if (!hidden) hidden = entry.key.get();
    }
    return hidden;
}

MXButton* KeyboardFindModeKey(const KeyboardViews& views, int64_t mode) {
    for (const KeyboardKeyAction& entry : views.keys) {
        const MXButton& key = *entry.key;
        if (entry.action == "switchKeyboardMode" && key.tag() == mode && key.isEnabled() && KeyboardIsShown(key)) {
            return entry.key.get();
        }
    }
    return nullptr;
}

MXButton* KeyboardKeyNamed(const KeyboardViews& views, std::u16string_view name) {
    for (const auto& [given, outlet] : kSpecialNames) {
        if (name == given) return KeyboardFindKey(views, outlet);
    }
    for (const auto& [given, mode] : kModeNames) {
        if (name == given) return KeyboardFindModeKey(views, mode);
    }
    return KeyboardFindKey(views, name);
}

std::vector<std::u16string_view> KeyboardKeyNames(std::u16string_view input) {
    std::vector<std::u16string_view> names;
    size_t at = 0;
    while (at < input.size()) {
        const size_t start = input.find_first_not_of(u" \t", at);
        if (start == std::u16string_view::npos) break;
        const size_t end = std::min(input.find_first_of(u" \t", start), input.size());
        names.push_back(input.substr(start, end - start));
        at = end;
    }
    return names;
}
