#pragma once
// Where a key event of the computer's keyboard goes: to one of the keyboard's operations,
// or to the application untouched. Releases, keys held with Control, Alt, Super, Hyper or
// Meta, function keys, Tab, Escape and every other key without text pass through; cursor
// keys pass through too, and the expression is emptied because the cursor has left it.
#include <ibus.h>

#include <string>

enum class IBusKeyRoute { PassThrough, CursorMove, Backspace, Space, Return, Text };

struct IBusRoutedKey {
    IBusKeyRoute route;
    // The typed character, for Text.
    std::u16string text;
};

IBusRoutedKey IBusRouteKey(guint keyval, guint modifiers);
