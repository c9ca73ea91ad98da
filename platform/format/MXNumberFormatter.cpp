#include "platform/format/MXNumberFormatter.h"

#include <unicode/unum.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace {

constexpr int64_t kMaximumFractionDigitsLimit = 999;
constexpr int64_t kGroupingSizeLimit = 100;

struct FormatCloser {
    void operator()(UNumberFormat* format) const { unum_close(format); }
};
using FormatHandle = std::unique_ptr<UNumberFormat, FormatCloser>;

FormatHandle openICUFormat(const std::string& localeName, MXNumberFormatterStyle style) {
    UErrorCode status = U_ZERO_ERROR;
    UNumberFormatStyle icuStyle = style == MXNumberFormatterStyle::ScientificStyle ? UNUM_SCIENTIFIC : UNUM_DECIMAL;
    FormatHandle format(unum_open(icuStyle, nullptr, 0, localeName.c_str(), nullptr, &status));
    if (U_FAILURE(status)) {
        return nullptr;
    }
    if (style == MXNumberFormatterStyle::NoStyle) {
        unum_setAttribute(format.get(), UNUM_GROUPING_USED, 0);
        unum_setAttribute(format.get(), UNUM_MAX_FRACTION_DIGITS, 0);
    }
    return format;
}

std::u16string symbol(const UNumberFormat* format, UNumberFormatSymbol which) {
    if (format == nullptr) {
        return {};
    }
    UChar buffer[32];
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = unum_getSymbol(format, which, buffer, 32, &status);
    return U_FAILURE(status) ? std::u16string() : std::u16string(buffer, static_cast<size_t>(length));
}

void setSymbol(UNumberFormat* format, UNumberFormatSymbol which, const std::u16string& text) {
    UErrorCode status = U_ZERO_ERROR;
    unum_setSymbol(format, which, text.data(), static_cast<int32_t>(text.size()), &status);
}

// The locale's number patterns (see MXLocale::icuNumberPatternName) with its own separators.
FormatHandle openFormat(const MXLocale& locale, MXNumberFormatterStyle style) {
    const std::string patternName = locale.icuNumberPatternName();
    FormatHandle format = openICUFormat(patternName, style);
    if (patternName == locale.icuName() || !format) {
        return format;
    }
    FormatHandle own = openICUFormat(locale.icuName(), style);
    for (UNumberFormatSymbol which : {UNUM_DECIMAL_SEPARATOR_SYMBOL, UNUM_GROUPING_SEPARATOR_SYMBOL}) {
        if (own) setSymbol(format.get(), which, symbol(own.get(), which));
    }
    return format;
}

UNumberFormatRoundingMode icuRoundingMode(MXNumberFormatterRoundingMode mode) {
    switch (mode) {
    case MXNumberFormatterRoundingMode::Ceiling: return UNUM_ROUND_CEILING;
    case MXNumberFormatterRoundingMode::Floor: return UNUM_ROUND_FLOOR;
    case MXNumberFormatterRoundingMode::Down: return UNUM_ROUND_DOWN;
    case MXNumberFormatterRoundingMode::Up: return UNUM_ROUND_UP;
    case MXNumberFormatterRoundingMode::HalfDown: return UNUM_ROUND_HALFDOWN;
    case MXNumberFormatterRoundingMode::HalfUp: return UNUM_ROUND_HALFUP;
    case MXNumberFormatterRoundingMode::HalfEven: break;
    }
    return UNUM_ROUND_HALFEVEN;
}

int32_t clamped(int64_t value, int64_t limit) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, 0, limit));
}

}  // namespace

void MXNumberFormatter::setNumberStyle(MXNumberFormatterStyle style) {
    style_ = style;
    maximumFractionDigits_.reset();
}

std::u16string MXNumberFormatter::groupingSeparator() const {
    return groupingSeparator_ ? *groupingSeparator_
                              : symbol(openFormat(locale_, style_).get(), UNUM_GROUPING_SEPARATOR_SYMBOL);
}

std::u16string MXNumberFormatter::decimalSeparator() const {
    return decimalSeparator_ ? *decimalSeparator_
                             : symbol(openFormat(locale_, style_).get(), UNUM_DECIMAL_SEPARATOR_SYMBOL);
}

int64_t MXNumberFormatter::groupingSize() const {
    if (groupingSize_) {
        return clamped(*groupingSize_, kGroupingSizeLimit);
    }
    FormatHandle format = openFormat(locale_, style_);
    return format ? unum_getAttribute(format.get(), UNUM_GROUPING_SIZE) : 0;
}

bool MXNumberFormatter::usesGroupingSeparator() const {
    if (usesGroupingSeparator_) {
        return *usesGroupingSeparator_;
    }
    FormatHandle format = openFormat(locale_, style_);
    return format && unum_getAttribute(format.get(), UNUM_GROUPING_USED) != 0;
}

int64_t MXNumberFormatter::maximumFractionDigits() const {
    if (maximumFractionDigits_) {
        return clamped(*maximumFractionDigits_, kMaximumFractionDigitsLimit);
    }
    FormatHandle format = openFormat(locale_, style_);
    return format ? unum_getAttribute(format.get(), UNUM_MAX_FRACTION_DIGITS) : 0;
}

std::u16string MXNumberFormatter::stringFromNumber(double value) const {
    FormatHandle format = openFormat(locale_, style_);
    if (!format) {
        return {};
    }
    UNumberFormat* f = format.get();
    if (groupingSeparator_) {
        setSymbol(f, UNUM_GROUPING_SEPARATOR_SYMBOL, *groupingSeparator_);
    }
    if (decimalSeparator_) {
        setSymbol(f, UNUM_DECIMAL_SEPARATOR_SYMBOL, *decimalSeparator_);
    }
    if (groupingSize_) {
        unum_setAttribute(f, UNUM_GROUPING_SIZE, clamped(*groupingSize_, kGroupingSizeLimit));
        unum_setAttribute(f, UNUM_SECONDARY_GROUPING_SIZE, clamped(*groupingSize_, kGroupingSizeLimit));
    }
    if (usesGroupingSeparator_) {
        unum_setAttribute(f, UNUM_GROUPING_USED, *usesGroupingSeparator_ ? 1 : 0);
    }
    if (maximumFractionDigits_) {
        unum_setAttribute(f, UNUM_MAX_FRACTION_DIGITS, clamped(*maximumFractionDigits_, kMaximumFractionDigitsLimit));
    }
    unum_setAttribute(f, UNUM_ROUNDING_MODE, icuRoundingMode(roundingMode_));

    // A not-a-number prints without sign, however its sign bit is set.
    double shown = std::isnan(value) ? std::numeric_limits<double>::quiet_NaN() : value;
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = unum_formatDouble(f, shown, nullptr, 0, nullptr, &status);
    std::u16string text(static_cast<size_t>(std::max(length, 0)), u'\0');
    status = U_ZERO_ERROR;
    unum_formatDouble(f, shown, text.data(), length, nullptr, &status);
    return U_FAILURE(status) ? std::u16string() : text;
}
