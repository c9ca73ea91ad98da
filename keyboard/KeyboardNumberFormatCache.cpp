#include "keyboard/KeyboardNumberFormatCache.h"

#include <unicode/unum.h>

#include <algorithm>
#include <optional>

namespace {

constexpr int32_t kGroupingSize = 3;
constexpr int64_t kMaximumFractionDigitsLimit = 999;

struct FormatCloser {
    void operator()(UNumberFormat* format) const { unum_close(format); }
};

}  // namespace

struct KeyboardNumberFormatCache::OpenFormat {
    std::optional<KeyboardNumberFormat> format;
    std::unique_ptr<UNumberFormat, FormatCloser> handle;

    void configure(const KeyboardNumberFormat& wanted) {
        if (format && *format == wanted) return;
        if (!format || format->locale != wanted.locale) open(wanted);
        format = wanted;
        if (!handle) return;
        UNumberFormat* f = handle.get();
        setSymbol(UNUM_GROUPING_SEPARATOR_SYMBOL, wanted.groupingSeparator);
        setSymbol(UNUM_DECIMAL_SEPARATOR_SYMBOL, wanted.decimalSeparator);
        unum_setAttribute(f, UNUM_GROUPING_SIZE, kGroupingSize);
        unum_setAttribute(f, UNUM_SECONDARY_GROUPING_SIZE, kGroupingSize);
        unum_setAttribute(f, UNUM_GROUPING_USED, wanted.usesGroupingSeparator ? 1 : 0);
        unum_setAttribute(f, UNUM_MAX_FRACTION_DIGITS,
                          static_cast<int32_t>(std::clamp<int64_t>(wanted.maximumFractionDigits, 0,
                                                                   kMaximumFractionDigitsLimit)));
        unum_setAttribute(f, UNUM_ROUNDING_MODE, UNUM_ROUND_HALFEVEN);
    }

    void open(const KeyboardNumberFormat& wanted) {
        UErrorCode status = U_ZERO_ERROR;
        const UNumberFormatStyle style =
            wanted.style == MXNumberFormatterStyle::ScientificStyle ? UNUM_SCIENTIFIC : UNUM_DECIMAL;
        handle.reset(unum_open(style, nullptr, 0, wanted.locale.icuNumberPatternName().c_str(), nullptr, &status));
        if (U_FAILURE(status)) handle.reset();
    }

    void setSymbol(UNumberFormatSymbol symbol, const std::u16string& text) {
        UErrorCode status = U_ZERO_ERROR;
        unum_setSymbol(handle.get(), symbol, text.data(), static_cast<int32_t>(text.size()), &status);
    }

    std::u16string write(double value) const {
        if (!handle) return {};
        UErrorCode status = U_ZERO_ERROR;
        UChar buffer[64];
        int32_t length = unum_formatDouble(handle.get(), value, buffer, 64, nullptr, &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            std::u16string text(static_cast<size_t>(length), u'\0');
            status = U_ZERO_ERROR;
            unum_formatDouble(handle.get(), value, text.data(), length, nullptr, &status);
            return U_FAILURE(status) ? std::u16string() : text;
        }
        return U_FAILURE(status) ? std::u16string() : std::u16string(buffer, static_cast<size_t>(length));
    }
};

KeyboardNumberFormatCache::KeyboardNumberFormatCache()
    : decimal_(std::make_unique<OpenFormat>()), scientific_(std::make_unique<OpenFormat>()) {}

KeyboardNumberFormatCache::~KeyboardNumberFormatCache() = default;

std::u16string KeyboardNumberFormatCache::stringFromNumber(const KeyboardNumberFormat& format, double value) {
    OpenFormat& open = format.style == MXNumberFormatterStyle::ScientificStyle ? *scientific_ : *decimal_;
    open.configure(format);
    return open.write(value);
}

std::u16string KeyboardNumberFormatCache::decimalSeparator(const MXLocale& locale) {
    return separatorsOf(locale).decimal;
}

std::u16string KeyboardNumberFormatCache::groupingSeparator(const MXLocale& locale) {
    return separatorsOf(locale).grouping;
}

const KeyboardNumberFormatCache::LocaleSeparators& KeyboardNumberFormatCache::separatorsOf(const MXLocale& locale) {
    auto found = separators_.find(locale.localeIdentifier());
    if (found == separators_.end()) {
        MXNumberFormatter formatter;
        formatter.setLocale(locale);
        found = separators_.emplace(locale.localeIdentifier(),
                                    LocaleSeparators{formatter.decimalSeparator(), formatter.groupingSeparator()})
                    .first;
    }
    return found->second;
}
