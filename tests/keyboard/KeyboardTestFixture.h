#pragma once
// A headless keyboard over settings stores in a fresh folder, with the device locale
// en_US and the time zone UTC unless a test sets others.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "keyboard/KeyboardHeadless.h"
#include "tests/keyboard/KeyboardTestFolder.h"

class KeyboardTest : public testing::Test {
protected:
    KeyboardTest();
    ~KeyboardTest() override;

    KeyboardViewController& controller() { return keyboard_.controller(); }
    void setLocale(std::u16string_view identifier);
    void setTimeZone(std::u16string_view name);
    void setPrecision(int64_t digits);

    // Evaluates the text as the keyboard does and returns the result display.
    std::u16string shown(const std::u16string& text);
    // Types keys as the key handler does: into the host document when typing into the host
    // is on, then into the expression.
    void type(std::initializer_list<std::u16string_view> keys);

    KeyboardTestFolder folder_;
    MXUserDefaults store_;
    KeyboardHeadless keyboard_;
};

// " = " and the value: the result display for a value.
std::u16string resultTitle(std::u16string_view value);
