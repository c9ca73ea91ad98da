#pragma once
// Number formats kept open between key taps. Opening a locale's number format costs far
// more than a whole evaluation, and a result is formatted after every key; so each style's
// format stays open and is reconfigured only when the locale, separators, grouping or
// fraction digits change. Locale separators are looked up once per locale.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/format/MXLocale.h"
#include "platform/format/MXNumberFormatter.h"

struct KeyboardNumberFormat {
    MXLocale locale{u""};
    MXNumberFormatterStyle style = MXNumberFormatterStyle::DecimalStyle;
    std::u16string groupingSeparator;
    std::u16string decimalSeparator;
    bool usesGroupingSeparator = true;
    int64_t maximumFractionDigits = 0;

    bool operator==(const KeyboardNumberFormat&) const = default;
};

class KeyboardNumberFormatCache {
public:
    KeyboardNumberFormatCache();
    ~KeyboardNumberFormatCache();
    KeyboardNumberFormatCache(const KeyboardNumberFormatCache&) = delete;
    KeyboardNumberFormatCache& operator=(const KeyboardNumberFormatCache&) = delete;

    // The value written in the format: groups of three, rounding half to even, no trailing
    // zeros of the fraction; empty when the locale's number data cannot be loaded.
    std::u16string stringFromNumber(const KeyboardNumberFormat& format, double value);

    std::u16string decimalSeparator(const MXLocale& locale);
    std::u16string groupingSeparator(const MXLocale& locale);

private:
    struct OpenFormat;
    struct LocaleSeparators {
        std::u16string decimal;
        std::u16string grouping;
    };
    const LocaleSeparators& separatorsOf(const MXLocale& locale);

    std::unique_ptr<OpenFormat> decimal_;
    std::unique_ptr<OpenFormat> scientific_;
    std::map<std::u16string, LocaleSeparators> separators_;
};
