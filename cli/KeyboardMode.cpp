// mxcalc --keyboard: each input is evaluated the way the keyboard evaluates its expression
// view, and the space key's title is printed as it stands (" = 5"), or an empty line when
// no result shows.
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

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

// One keyboard for the whole run, set up by the options of the first input.
KeyboardHeadless& keyboardFor(const MxcalcOptions& options) {
    static const bool applied = (applyDeviceOptions(options), true);
    static KeyboardHeadless keyboard;
    (void)applied;
    return keyboard;
}

}  // namespace

LineResult keyboardLine(const std::u16string& input, const MxcalcOptions& options) {
    KeyboardHeadless& keyboard = keyboardFor(options);
    keyboard.controller().evaluate(input);
    return {MXToUtf8(keyboard.spaceTitle()), true};
}
