#pragma once
// Dates to text and back with a pattern ("yyyy-MM-dd HH:mm:ss"), in a time zone (the
// device's by default) and a locale's digits (the current locale by default), always in
// the Gregorian calendar.
//
// Reading is strict: the whole text must match the pattern, and every field must be in
// range ("2020-13-01" and "2020-02-30" give nothing). Numeric fields written with two
// letters also accept one digit, so "2020-1-1" reads with "yyyy-MM-dd".
#include <optional>
#include <string>
#include <string_view>

#include "platform/format/MXDate.h"
#include "platform/format/MXLocale.h"
#include "platform/format/MXTimeZone.h"

class MXDateFormatter {
public:
    MXDateFormatter() : locale_(MXLocale::currentLocale()), timeZone_(MXTimeZone::localTimeZone()) {}

    const std::u16string& dateFormat() const { return pattern_; }
    void setDateFormat(std::u16string pattern) { pattern_ = std::move(pattern); }

    const MXTimeZone& timeZone() const { return timeZone_; }
    void setTimeZone(MXTimeZone timeZone) { timeZone_ = std::move(timeZone); }

    const MXLocale& locale() const { return locale_; }
    void setLocale(MXLocale locale) { locale_ = std::move(locale); }

    // Empty for a date that is not finite (or a locale whose data cannot be loaded).
    std::u16string stringFromDate(const MXDate& date) const;
    // Nothing for a text that does not read as a date.
    std::optional<MXDate> dateFromString(std::u16string_view text) const;

private:
    std::u16string pattern_;
    MXLocale locale_;
    MXTimeZone timeZone_;
};
