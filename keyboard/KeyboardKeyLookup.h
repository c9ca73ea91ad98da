#pragma once
// Finding the keyboard's keys by what a person calls them: a special key by its outlet
// name, an ordinary key by its title as shown now, a mode key by the mode it switches to,
// and the names of key sequences ("2 + 3 space"): space, return, backspace, shift, letters,
// numbers, symbols, else a key's title. A visible, enabled key is found before a hidden
// one with the same title. Nothing when the keyboard has no such key.
#include <cstdint>
#include <string_view>
#include <vector>

#include "keyboard/KeyboardViews.h"

// Hidden itself or below a hidden view.
bool KeyboardIsShown(const MXView& view);

MXButton* KeyboardFindKey(const KeyboardViews& views, std::u16string_view title);
// Mode 0 letters, 1 numbers, 2 symbols: the first visible, enabled key that switches to it.
MXButton* KeyboardFindModeKey(const KeyboardViews& views, int64_t mode);
MXButton* KeyboardKeyNamed(const KeyboardViews& views, std::u16string_view name);

// The names of a key sequence, split at spaces and tabs.
std::vector<std::u16string_view> KeyboardKeyNames(std::u16string_view input);
