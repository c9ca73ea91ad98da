#pragma once
// A headless keyboard over settings stores in a fresh folder, with the device locale
// en_US and the time zone UTC unless a test sets others.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "keyboard/KeyboardHeadless.h"
#include "keyboard/KeyboardSettingsKeys.h"
#include "platform/format/MXDeviceSettings.h"
#include "platform/text/MXText.h"
#include "tests/support/temporary_folder.h"

class KeyboardTest : public testing::Test {
protected:
    KeyboardTest() {
        setLocale(u"en_US");
        setTimeZone(u"UTC");
    }
    ~KeyboardTest() override {
        MXDeviceSettings::setLocale(std::nullopt);
        MXDeviceSettings::setTimeZone(std::nullopt);
    }

    KeyboardViewController& controller() { return keyboard_.controller(); }
    static void setLocale(std::u16string_view identifier) { MXDeviceSettings::setLocale(MXLocale(identifier)); }
    static void setTimeZone(std::u16string_view name) {
        MXDeviceSettings::setTimeZone(*MXTimeZone::timeZoneWithName(name));
    }
    void setPrecision(int64_t digits) { ASSERT_TRUE(store_.setInteger(digits, KeyboardKeySaveINTMAX)); }
    void setDefinitions(std::u16string_view definitions) {
        ASSERT_TRUE(store_.setString(std::u16string(definitions), KeyboardKeySaveCustomFunc));
    }

    // Evaluates the text as the keyboard does and returns the result display.
    std::u16string shown(const std::u16string& text) {
        controller().evaluate(text);
        return keyboard_.spaceTitle();
    }
    // Types keys as the key handler does: into the host document when typing into the host
    // is on, then into the expression.
    void type(std::initializer_list<std::u16string_view> keys) {
        for (std::u16string_view key : keys) {
            if (controller().canType()) controller().textDocumentProxy().insertText(key);
            controller().processString(key);
        }
    }

    // The platform's start: load, then show.
    void load() {
        controller().viewDidLoad();
        controller().viewDidAppear(false);
    }
    // Taps the keys, named by their titles or outlets, a second apart (no double taps).
    void tap(std::initializer_list<std::u16string_view> keys) {
        for (std::u16string_view name : keys) {
            MXButton* key = keyboard_.key(name);
            ASSERT_NE(key, nullptr) << MXToUtf8(std::u16string(name));
            keyboard_.tap(*key);
            keyboard_.environment().advance(1);
        }
    }
    MXUserDefaults sharedStore() const { return store_.suite(MXAppGroupIdentifier); }

    TemporaryFolder folder_;
    MXUserDefaults store_{MXUserDefaults().inDirectory(folder_.path())};
    KeyboardHeadless keyboard_{store_};
};

// " = " and the value: the result display for a value.
inline std::u16string resultTitle(std::u16string_view value) { return u" = " + std::u16string(value); }
