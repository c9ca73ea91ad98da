// Timestamps for the "timestamp" definition: a device-local date and time turned into
// seconds as if it were the same wall-clock time in UTC, less the device's offset.
#include <cmath>

#include "keyboard/KeyboardViewController.h"
#include "platform/format/MXDateFormatter.h"

namespace {

constexpr std::u16string_view kDateTimePattern = u"yyyy-MM-dd HH:mm:ss";
constexpr std::u16string_view kDatePattern = u"yyyy-MM-dd";

// Fixed-format dates are read and written with Western digits, whatever the device locale.
MXDateFormatter formatterWithPattern(std::u16string_view pattern) {
    MXDateFormatter formatter;
    formatter.setDateFormat(std::u16string(pattern));
    formatter.setLocale(MXLocale(u"en_US_POSIX"));
    return formatter;
}

int64_t truncatedSeconds(double seconds) {
    if (!(std::fabs(seconds) < 9.2e18)) return 0;
    return static_cast<int64_t>(seconds);
}

std::u16string joined(const std::vector<std::u16string>& pieces, size_t from, size_t to, std::u16string_view separator) {
    std::u16string text;
    for (size_t i = from; i < to; ++i) {
        if (i > from) text += separator;
        text += pieces[i];
    }
    return text;
}

}  // namespace

int64_t KeyboardViewController::getCurrentTimeStamp(const MXDate& date) const {
    const MXDateFormatter local = formatterWithPattern(kDateTimePattern);
    const std::optional<MXDate> shifted = local.dateFromString(getUTCDateTimeFromLocalTime(local.stringFromDate(date)));
    return shifted ? truncatedSeconds(shifted->timeIntervalSince1970()) : 0;
}

std::u16string KeyboardViewController::getUTCDateTimeFromLocalTime(std::u16string_view text) const {
    const MXDateFormatter local = formatterWithPattern(kDateTimePattern);
    const std::optional<MXDate> date = local.dateFromString(text);
    if (!date) return u"";
    MXDateFormatter utc = formatterWithPattern(kDateTimePattern);
    utc.setTimeZone(*MXTimeZone::timeZoneWithAbbreviation(u"UTC"));
    return utc.stringFromDate(*date);
}

int64_t KeyboardViewController::timestampOfArguments(const std::vector<std::u16string>& arguments) const {
    std::optional<MXDate> date;
    if (arguments.size() == 3) {
        date = formatterWithPattern(kDatePattern).dateFromString(joined(arguments, 0, 3, u"-"));
    } else if (arguments.size() == 6) {
        const std::u16string text = joined(arguments, 0, 3, u"-") + u" " + joined(arguments, 3, 6, u":");
        date = formatterWithPattern(kDateTimePattern).dateFromString(text);
    } else {
        date = MXDate::date();
    }
    return date ? getCurrentTimeStamp(*date) : 0;
}
