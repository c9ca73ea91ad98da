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

// The special keys by the names the key sequences use.
const std::pair<std::u16string_view, std::u16string_view> kSpecialKeys[] = {
    {u"space", u"spaceButton"}, {u"return", u"returnButton"}, {u"backspace", u"backSpaceButton"},
    {u"shift", u"shiftButton"}};
const std::pair<std::u16string_view, int64_t> kModeKeys[] = {{u"letters", 0}, {u"numbers", 1}, {u"symbols", 2}};

MXButton* keyNamed(const KeyboardHeadless& keyboard, std::u16string_view name) {
    for (const auto& [given, outlet] : kSpecialKeys) {
        if (name == given) return keyboard.key(outlet);
    }
    for (const auto& [given, mode] : kModeKeys) {
        if (name == given) return keyboard.modeKey(mode);
    }
    return keyboard.key(name);
}

std::vector<std::u16string_view> keyNames(std::u16string_view input) {
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
    for (std::u16string_view name : keyNames(input)) {
        MXButton* key = keyNamed(keyboard, name);
        if (!key) return {"error 0: no key \"" + MXToUtf8(std::u16string(name)) + "\" on the keyboard", false};
        keyboard.tap(*key);
        keyboard.environment().advance(kPauseBetweenKeys);
    }
    return {escaped(keyboard.document()) + "\t" + MXToUtf8(keyboard.spaceTitle()), true};
}
