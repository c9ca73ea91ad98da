#pragma once
// A stored settings value keeps its type: a 64-bit integer, a double or a text.
// Reading it as another type follows the user-defaults conventions:
//   as integer: a double truncates toward zero (NaN gives 0, out-of-range values
//     saturate); a text gives its leading integer (optional white space and sign, then
//     digits; none gives 0; too large saturates), so "3.7" gives 3 and "abc" gives 0;
//   as double: an integer converts; a text gives its leading decimal numeral
//     ("2.5e3x" gives 2500; none gives 0);
//   as text: an integer prints as an integer, a double as its shortest round-trip
//     text (0.1, 1e-09, inf, nan).
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

enum class MXSettingsType { Integer, Double, Text };

using MXSettingsValue = std::variant<int64_t, double, std::u16string>;

MXSettingsType MXSettingsTypeOf(const MXSettingsValue& value);

int64_t MXSettingsIntegerValue(const MXSettingsValue& value);
double MXSettingsDoubleValue(const MXSettingsValue& value);
std::u16string MXSettingsTextValue(const MXSettingsValue& value);

// The shortest text that reads back as the same double: 5, 0.1, 1e-09, 1e+100, inf, nan.
std::string MXShortestDoubleText(double value);

// The leading integer or decimal numeral of a text, as described above.
int64_t MXLeadingInteger(std::u16string_view text);
double MXLeadingDouble(std::u16string_view text);
