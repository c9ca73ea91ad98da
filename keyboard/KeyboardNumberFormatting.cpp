// The separators the keyboard reads and writes numbers with, and the display format of results.
#include <cmath>
#include <cstdlib>

#include "keyboard/KeyboardSettingsKeys.h"
#include "keyboard/KeyboardTextEditing.h"
#include "keyboard/KeyboardTextNumbers.h"
#include "keyboard/KeyboardViewController.h"
#include "platform/format/MXDeviceSettings.h"

namespace {

constexpr int64_t kDefaultPrecision = 11;
// Values from this magnitude on are shown in scientific style.
constexpr double kLargestDecimalStyleValue = 99999999999999.0;

// "saveINTMAX" as a 32-bit integer; 0 (also when absent) means 11.
int64_t precisionOf(const KeyboardViewController::SettingsValues& settings) {
    const auto stored = static_cast<int32_t>(KeyboardSettingsInteger(settings, KeyboardKeySaveINTMAX));
    return stored == 0 ? kDefaultPrecision : stored;
}

// Values at most 1 / 10^k in magnitude are shown in scientific style.
double smallNumberThreshold(int64_t precision) {
    const int64_t m = std::min(precision, kDefaultPrecision);
    const int64_t k = m - m / 4;
    return 1.0 / std::pow(10.0, static_cast<double>(k));
}

MXNumberFormatterStyle styleFor(double value, int64_t precision) {
    if (value == 0) return MXNumberFormatterStyle::DecimalStyle;
    const double magnitude = std::fabs(value);
    if (!(magnitude < kLargestDecimalStyleValue) || magnitude <= smallNumberThreshold(precision))
        return MXNumberFormatterStyle::ScientificStyle;
    return MXNumberFormatterStyle::DecimalStyle;
}

// Arabic locales other than "ar_EH" show results with the Western digits of "ar_MA".
MXLocale displayLocale() {
    MXLocale current = MXDeviceSettings::locale();
    const std::u16string& identifier = current.localeIdentifier();
    if (identifier != u"ar_EH" && identifier.substr(0, 2) == u"ar") return MXLocale(u"ar_MA");
    return current;
}

}  // namespace

std::u16string KeyboardViewController::getNumDecimalSeparator() { return decimalSeparator(settings_.values()); }

std::u16string KeyboardViewController::getNumGroupSeparator() { return separators(settings_.values()).group; }

std::u16string KeyboardViewController::getNumWithDecimalPoint(std::u16string_view text) {
    const Separators current = separators(settings_.values());
    std::u16string result(text);
    mxcalc::detail::replaceOccurrences(result, current.group, u"");
    mxcalc::detail::replaceOccurrences(result, current.decimal, u".");
    return result;
}

std::u16string KeyboardViewController::getNumWithLocalFormat(std::u16string_view text) {
    return getNumWithLocalFormat(text, true);
}

std::u16string KeyboardViewController::getNumWithLocalFormat(std::u16string_view text, bool grouping) {
    return formatNumber(settings_.values(), text, grouping);
}

std::u16string KeyboardViewController::decimalSeparator(const SettingsValues& settings) {
    if (static_cast<int32_t>(KeyboardSettingsInteger(settings, KeyboardKeyDecimalDot)) != 0) return u".";
    return formats_.decimalSeparator(MXDeviceSettings::locale());
}

KeyboardViewController::Separators KeyboardViewController::separators(const SettingsValues& settings) {
    Separators result{decimalSeparator(settings), formats_.groupingSeparator(MXLocale::systemLocale())};
    if (result.decimal == result.group) result.group = u" ";
    return result;
}

std::u16string KeyboardViewController::formatNumber(const SettingsValues& settings, std::u16string_view text,
                                                    bool grouping) {
    const int64_t precision = precisionOf(settings);
    const double value = mxcalc::detail::leadingDecimalValue(text);
    const Separators current = separators(settings);
    KeyboardNumberFormat format;
    format.locale = displayLocale();
    format.style = styleFor(value, precision);
    format.groupingSeparator = current.group;
    format.decimalSeparator = current.decimal;
    format.usesGroupingSeparator = grouping;
    format.maximumFractionDigits = precision;
    return formats_.stringFromNumber(format, value);
}
