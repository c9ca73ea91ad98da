#pragma once
// Records from text, and the number of significant digits two records share.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "functions/decimal/MXDecimalMath.h"

namespace decimal_test {

constexpr double kExactDigits = 40;

inline MXDecimalRecord D(std::string_view text) { return MXDecimalRecordFromString(text); }

inline std::string text(const MXDecimalRecord& value) { return MXDecimalRecordToString(value); }

// -log10 of the relative error of value against reference + remainder (kExactDigits when
// they are equal); not-a-number agrees only with not-a-number.
inline double agreedDigits(MXDecimalRecord value, MXDecimalRecord reference,
                           MXDecimalRecord remainder = MXDecimalZero()) {
    if (value.isNaN || reference.isNaN) return value.isNaN && reference.isNaN ? kExactDigits : 0;
    const MXDecimalRecord difference =
        MXDecimalSubtract(MXDecimalSubtract(value, reference), remainder);
    const double error = std::fabs(MXDoubleFromDecimal(difference));
    if (error == 0) return kExactDigits;
    const double magnitude = std::fabs(MXDoubleFromDecimal(reference));
    if (magnitude == 0) return 0;
    return std::min(kExactDigits, -std::log10(error / magnitude));
}

}  // namespace decimal_test
