#pragma once
// Small helpers shared by the decimal function files.
#include <cstdint>

#include "functions/decimal/MXDecimalMath.h"

namespace detail {

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

}  // namespace detail
