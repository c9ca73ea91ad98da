#pragma once
// Small helpers shared by the decimal function files.
#include <cstdint>
#include <optional>

#include "functions/decimal/MXDecimalMath.h"

namespace mxcalc::detail {

inline int MXDecimalCompare(MXDecimalRecord a, MXDecimalRecord b) {
    return MXDecimalRecordCompare(&a, &b);
}

inline MXDecimalRecord MXDecimalMagnitude(MXDecimalRecord x) {
    x.negative = false;
    return x;
}

// x with the given sign; zero and not-a-number stay as they are.
inline MXDecimalRecord MXDecimalWithSign(MXDecimalRecord x, bool negative) {
    if (!x.isNaN && !x.isZero()) x.negative = negative;
    return x;
}

// The exact record mantissa x 10^exponent (exponent within the record's range).
inline MXDecimalRecord MXDecimalFromParts(uint64_t mantissa, int exponent) {
    MXDecimalRecord record;
    record.mantissa = mantissa;
    record.exponent = static_cast<int8_t>(exponent);
    return record;
}

inline MXDecimalRecord MXDecimalHalf() { return MXDecimalFromParts(5, -1); }

// pi/2 = high + middle + low to 76 digits, cut from its literal digits: high and middle
// hold 19 digits each, so their products with an integer below 10^19 are exact.
struct MXDecimalPi_2Parts {
    MXDecimalRecord high;
    MXDecimalRecord middle;
    MXDecimalRecord low;
};
const MXDecimalPi_2Parts& MXDecimalPi_2Split();

// x x 10^power for |power| up to 254, exact unless the result leaves the record's range.
MXDecimalRecord MXDecimalScaledByPowerOfTen(MXDecimalRecord x, int power);

// floor(log10 |x|) for a number other than 0.
int MXDecimalLeadingExponent(MXDecimalRecord x);

// x rounded to `digits` significant digits (x not 0).
MXDecimalRecord MXDecimalRoundedToDigits(MXDecimalRecord x, int digits);

// Whether a^m and b^n are the same number, each power exact in 38 digits (for a negative
// n: whether a^m x b^-n is exactly 1). False where a power is not exact.
bool MXDecimalPowersAgree(MXDecimalRecord a, uint64_t m, MXDecimalRecord b, int64_t n);

// x rounded to `digits` significant digits, when that moves it by less than 10^-35 of its
// value: the short number that x approximates, for a check whether it is the exact result.
std::optional<MXDecimalRecord> MXDecimalShortNeighbour(MXDecimalRecord x, int digits);

}  // namespace mxcalc::detail
