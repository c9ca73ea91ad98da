// mxcalc --keyboard: each input is evaluated the way the keyboard evaluates its expression
// view, and the space key's title is printed as it stands (" = 5"), or an empty line when
// no result shows.
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/MxcalcModes.h"
#include "keyboard/KeyboardHeadless.h"
#include "keyboard/KeyboardKeyLookup.h"
#include "platform/format/MXDeviceSettings.h"
#include "platform/settings/MXSettingsDirectory.h"
#include "platform/text/MXText.h"

namespace {

constexpr int kUsageErrorStatus = 2;

[[noreturn]] void usageError(const std::string& message) {
    std::fprintf(stderr, "mxcalc: %s\n", message.c_str());
    std::exit(kUsageErrorStatus);
}

void applyDeviceOptions(const MxcalcOptions& options) {
    if (options.settingsDir) MXSetSettingsDirectory(std::filesystem::path(*options.settingsDir));
    if (options.locale) {
        try {
            MXDeviceSettings::setLocale(MXLocale(MXFromUtf8(*options.locale)));
        } catch (const std::invalid_argument&) {
            usageError("--locale: not a locale: " + *options.locale);
        }
    }
    if (options.timezone) {
        const std::optional<MXTimeZone> zone = MXTimeZone::timeZoneWithName(MXFromUtf8(*options.timezone));
        if (!zone) usageError("--timezone: not a time zone: " + *options.timezone);
        MXDeviceSettings::setTimeZone(*zone);
    }
}

// The options of the first input set the device up for the whole run.
void applyDeviceOptionsOnce(const MxcalcOptions& options) {
    static const bool applied = (applyDeviceOptions(options), true);
    (void)applied;
}

// One keyboard for the whole run.
KeyboardHeadless& keyboardFor(const MxcalcOptions& options) {
    applyDeviceOptionsOnce(options);
    static KeyboardHeadless keyboard;
    return keyboard;
}

std::string escaped(const std::u16string& document) {
    std::string text;
    for (const char c : MXToUtf8(document)) {
        if (c == '\n') {
            text += "\\n";
        } else if (c == '\t') {
            text += "\\t";
        } else if (c == '\\') {
            text += "\\\\";
        } else {
            text += c;
        }
    }
    return text;
}

// Long enough for every gesture to end between two keys, so no two taps make a double tap.
constexpr double kPauseBetweenKeys = 1.0;

}  // namespace

LineResult keyboardLine(const std::u16string& input, const MxcalcOptions& options) {
    KeyboardHeadless& keyboard = keyboardFor(options);
    keyboard.controller().evaluate(input);
    return {MXToUtf8(keyboard.spaceTitle()), true};
}

LineResult keyboardKeysLine(const std::u16string& input, const MxcalcOptions& options) {
    applyDeviceOptionsOnce(options);
    KeyboardHeadless keyboard;
    keyboard.controller().viewDidLoad();
    keyboard.controller().viewDidAppear(false);
    for (std::u16string_view name : KeyboardKeyNames(input)) {
        MXButton* key = KeyboardKeyNamed(keyboard.views(), name);
        if (!key) return {"error 0: no key \"" + MXToUtf8(std::u16string(name)) + "\" on the keyboard", false};
        keyboard.tap(*key);
        keyboard.environment().advance(kPauseBetweenKeys);
    }
    return {escaped(keyboard.document()) + "\t" + MXToUtf8(keyboard.spaceTitle()), true};
}
