#include "tests/keyboard/KeyboardTestFixture.h"

#include "keyboard/KeyboardSettingsKeys.h"
#include "platform/format/MXDeviceSettings.h"

KeyboardTest::KeyboardTest() : store_(MXUserDefaults().inDirectory(folder_.path())), keyboard_(store_) {
    setLocale(u"en_US");
    setTimeZone(u"UTC");
}

KeyboardTest::~KeyboardTest() {
    MXDeviceSettings::setLocale(std::nullopt);
    MXDeviceSettings::setTimeZone(std::nullopt);
}

void KeyboardTest::setLocale(std::u16string_view identifier) { MXDeviceSettings::setLocale(MXLocale(identifier)); }

void KeyboardTest::setTimeZone(std::u16string_view name) {
    MXDeviceSettings::setTimeZone(*MXTimeZone::timeZoneWithName(name));
}

void KeyboardTest::setPrecision(int64_t digits) { ASSERT_TRUE(store_.setInteger(digits, KeyboardKeySaveINTMAX)); }

std::u16string KeyboardTest::shown(const std::u16string& text) {
    controller().evaluate(text);
    return keyboard_.spaceTitle();
}

void KeyboardTest::type(std::initializer_list<std::u16string_view> keys) {
    for (std::u16string_view key : keys) {
        if (controller().canType()) controller().textDocumentProxy().insertText(key);
        controller().processString(key);
    }
}

std::u16string resultTitle(std::u16string_view value) { return u" = " + std::u16string(value); }
