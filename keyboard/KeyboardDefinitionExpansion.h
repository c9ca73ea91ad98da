#pragma once
// Expanding keyboard definitions (name "~~" body, with placeholders "$1" to "$10") in an
// expression text before it is parsed: degree variants of the trigonometric functions, the
// user's definitions, and the special names for timestamps and base conversions.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mxcalc::detail {

// Timestamp of a "timestamp" call, from its arguments.
using KeyboardTimestampReader = std::function<int64_t(const std::vector<std::u16string>& arguments)>;

struct KeyboardExpansionContext {
    std::u16string decimalSeparator;
    std::u16string groupSeparator;
    KeyboardTimestampReader timestamp;
};

// Expansion stops (with the log line) after this many calls, or when the text would grow
// beyond this many UTF-16 units.
inline constexpr size_t kKeyboardMaximumExpansions = 256;
inline constexpr size_t kKeyboardMaximumExpandedLength = 65536;

// The keyboard's own definitions, expanded after the user's.
const std::vector<std::u16string>& keyboardDefinitions();

// Rewrites every call of the user's definitions (joined by "~|~"), then of the keyboard's,
// in list order. Failures are logged as "Eval CustFunc Exception: %@"; a definition without
// "~~" is then skipped, any other failure ends the expansion with the text as far as it
// was rewritten. Empty definitions and definitions with an empty name are skipped.
void expandDefinitions(std::u16string& text, const std::optional<std::u16string>& userDefinitions,
                       const KeyboardExpansionContext& context);

}  // namespace mxcalc::detail
