// The keyboard pipeline on arbitrary typing: user definitions, keys, the space, return and
// close-bracket keys, in several locales and settings. Nothing may crash, hang or trip a
// sanitizer.
// Input: a settings byte, then pieces separated by 0x01. The first piece is the stored
// definitions text; every further piece is one key: 0x02 the space key, 0x03 the return key,
// 0x04 the close-bracket key, anything else text typed with processString.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "keyboard/KeyboardHeadless.h"
#include "keyboard/KeyboardSettingsKeys.h"
#include "platform/format/MXDeviceSettings.h"
#include "platform/log/MXLog.h"
#include "platform/settings/MXSettingsDirectory.h"
#include "platform/text/MXText.h"

namespace {

constexpr const char16_t* kLocales[] = {u"en_US", u"de_DE", u"fr_FR", u"ar_SA"};

// Writes a setting only when it differs from the stored one: each write is a commit.
void storeInteger(const MXUserDefaults& store, std::u16string_view key, int64_t value) {
    if (store.integerForKey(key) != value) store.setInteger(value, key);
}

void applySettings(const MXUserDefaults& store, uint8_t settings, std::u16string_view definitions) {
    storeInteger(store, KeyboardKeyDecimalDot, settings & 1);
    storeInteger(store, KeyboardKeySaveCanType, (settings >> 1) & 1);
    storeInteger(store, KeyboardKeySaveINTMAX, (settings >> 2) & 15);
    if (store.stringForKey(KeyboardKeySaveCustomFunc).value_or(u"") != definitions) {
        store.setString(definitions, KeyboardKeySaveCustomFunc);
    }
    MXDeviceSettings::setLocale(MXLocale(kLocales[settings >> 6]));
}

void pressKey(KeyboardHeadless& keyboard, std::string_view key) {
    KeyboardViewController& controller = keyboard.controller();
    if (key == "\x02") {
        controller.spaceKeyPressed(keyboard.spaceButton());
    } else if (key == "\x03") {
        controller.returnKeyPressed(keyboard.spaceButton());
    } else if (key == "\x04") {
        controller.closeBracket(&keyboard.spaceButton());
    } else {
        controller.processString(MXFromUtf8(key));
    }
}

}  // namespace

// The stores live in a folder of their own; the log is silenced so that it does not slow the run.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string folder = (std::filesystem::temp_directory_path() / "mxfuzz-keyboard-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) std::abort();
    MXSetSettingsDirectory(std::filesystem::path(folder));
    MXDeviceSettings::setTimeZone(MXTimeZone::timeZoneWithName(u"Europe/Berlin"));
    MXLogSetSink([](std::string_view) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 4096) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t definitionsEnd = std::min(text.find('\x01'), text.size());
    applySettings(MXUserDefaults::standardUserDefaults(), data[0], MXFromUtf8(text.substr(0, definitionsEnd)));
    KeyboardHeadless keyboard;
    for (size_t start = definitionsEnd + 1; start < text.size();) {
        const size_t end = std::min(text.find('\x01', start), text.size());
        pressKey(keyboard, text.substr(start, end - start));
        start = end + 1;
    }
    return 0;
}
