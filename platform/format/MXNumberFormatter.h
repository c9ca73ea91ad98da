#pragma once
// Number formatting with a locale's digits and symbols. Separators, grouping and the
// fraction-digit limit set explicitly override the locale's; setting the locale keeps
// them. Setting the style resets the maximum fraction digits to the style's default
// (decimal 3, scientific and none 0), so set the style first. Rounding is half to even
// unless set otherwise; trailing zeros of the fraction are never written. The C/POSIX
// locale formats as the root locale ("1E-9", grouped) with its own separators.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/format/MXLocale.h"

enum class MXNumberFormatterStyle { NoStyle, DecimalStyle, ScientificStyle };

enum class MXNumberFormatterRoundingMode { Ceiling, Floor, Down, Up, HalfEven, HalfDown, HalfUp };

class MXNumberFormatter {
public:
    // The current locale, no style (whole numbers without grouping).
    MXNumberFormatter() : locale_(MXLocale::currentLocale()) {}

    const MXLocale& locale() const { return locale_; }
    void setLocale(MXLocale locale) { locale_ = std::move(locale); }

    MXNumberFormatterStyle numberStyle() const { return style_; }
    void setNumberStyle(MXNumberFormatterStyle style);

    std::u16string groupingSeparator() const;
    void setGroupingSeparator(std::u16string separator) { groupingSeparator_ = std::move(separator); }

    // Digits per group, for every group (a locale's larger secondary groups are not kept).
    int64_t groupingSize() const;
    void setGroupingSize(int64_t size) { groupingSize_ = size; }

    bool usesGroupingSeparator() const;
    void setUsesGroupingSeparator(bool uses) { usesGroupingSeparator_ = uses; }

    std::u16string decimalSeparator() const;
    void setDecimalSeparator(std::u16string separator) { decimalSeparator_ = std::move(separator); }

    // Limited to 0...999.
    int64_t maximumFractionDigits() const;
    void setMaximumFractionDigits(int64_t digits) { maximumFractionDigits_ = digits; }

    MXNumberFormatterRoundingMode roundingMode() const { return roundingMode_; }
    void setRoundingMode(MXNumberFormatterRoundingMode mode) { roundingMode_ = mode; }

    // Empty when the locale's number data cannot be loaded.
    std::u16string stringFromNumber(double value) const;

private:
    MXLocale locale_;
    MXNumberFormatterStyle style_ = MXNumberFormatterStyle::NoStyle;
    std::optional<std::u16string> groupingSeparator_;
    std::optional<std::u16string> decimalSeparator_;
    std::optional<int64_t> groupingSize_;
    std::optional<bool> usesGroupingSeparator_;
    std::optional<int64_t> maximumFractionDigits_;
    MXNumberFormatterRoundingMode roundingMode_ = MXNumberFormatterRoundingMode::HalfEven;
};
