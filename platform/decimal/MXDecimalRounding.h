#pragma once
// Turns an exact (or exactly bracketed) result into a record: one rounding to 38
// significant digits, or to the quantum 10^-128 for tiny results, then range checks and
// the compact form. Shared by every operation of the record.
#include <algorithm>
#include <stdexcept>

#include "platform/decimal/MXDecimalRecord.h"
#include "platform/decimal/MXDecimalWide.h"

namespace mxcalc::detail {

inline constexpr int kDigits = 38;
inline constexpr int kMinExponent = -128;
inline constexpr int kMaxExponent = 127;
inline constexpr u128 kMantissaLimit = kPow10[kDigits];

// The part of a value beyond its last kept digit, measured against half a unit of that digit.
enum class Rest : uint8_t { Exact, Below, Half, Above };

inline void checkMode(MXRoundingMode mode) {
    if (unsigned(mode) > unsigned(MXRoundBankers)) throw std::invalid_argument("unknown rounding mode");
}

// A record that operations accept as a number: not-a-number or a mantissa of at most 38 digits.
inline bool isUsable(const MXDecimalRecord& r) { return !r.isNaN && r.mantissa < kMantissaLimit; }

inline MXCalculationError setNaN(MXDecimalRecord* out, MXCalculationError status) {
    *out = MXDecimalRecord::notANumber();
    return status;
}

// Removes the lowest `count` digits (1 <= count <= 77) of v; `lower` is what lay beyond v.
inline Rest dropDigits(U256& v, int count, Rest lower) {
    bool sticky = lower != Rest::Exact;
    while (count > 19) {
        sticky |= dividePow10(v, 19) != 0;
        count -= 19;
    }
    const uint64_t top = dividePow10(v, count);
    const uint64_t half = 5 * uint64_t(kPow10[count - 1]);
    if (top > half) return Rest::Above;
    if (top == half) return sticky ? Rest::Above : Rest::Half;
    return top == 0 && !sticky ? Rest::Exact : Rest::Below;
}

// Whether a value with a non-zero rest rounds away from zero.
inline bool roundsAway(Rest rest, bool odd, bool negative, MXRoundingMode mode) {
    switch (mode) {
    case MXRoundPlain: return rest >= Rest::Half;
    case MXRoundDown: return negative;
    case MXRoundUp: return !negative;
    case MXRoundBankers: break;
    }
    return rest == Rest::Above || (rest == Rest::Half && odd);
}

// Rounds mantissa (at most 38 digits) by `rest`, then strips trailing zeros and applies
// the exponent range. `exponent` is at least -128.
inline MXCalculationError settle(MXDecimalRecord* out, u128 mantissa, int64_t exponent, Rest rest,
                                 bool negative, MXRoundingMode mode) {
    const bool inexact = rest != Rest::Exact;
    if (inexact && roundsAway(rest, mantissa & 1, negative, mode)) {
        if (++mantissa == kMantissaLimit) {
            mantissa = kPow10[kDigits - 1];
            ++exponent;
        }
    }
    if (mantissa == 0) {
        *out = MXDecimalRecord{};
        return inexact ? MXCalculationUnderflow : MXCalculationNoError;
    }
    for (unsigned digit; (mantissa & 1) == 0 && lastDigit(mantissa) == 0; ++exponent) {
        mantissa = divideBy10(mantissa, &digit);
    }
    if (exponent > kMaxExponent) {
        // Above the largest exponent the mantissa takes the zeros back, if it has room.
        const int64_t shift = exponent - kMaxExponent;
        if (shift > kDigits - digitCount(mantissa)) return setNaN(out, MXCalculationOverflow);
        mantissa *= kPow10[shift];
        exponent = kMaxExponent;
    }
    out->mantissa = mantissa;
    out->exponent = int8_t(exponent);
    out->negative = negative;
    out->isNaN = false;
    return inexact ? MXCalculationLossOfPrecision : MXCalculationNoError;
}

// Stores (-1)^negative x (coefficient + rest) x 10^exponent rounded once: to 38 significant
// digits, but never to a quantum below 10^minQuantum (at least 10^-128). The coefficient is
// not zero; a rest other than Exact requires at least 38 digits or a coarser quantum than
// 10^exponent, so that the rest lies wholly below the rounding digit.
inline MXCalculationError finish(MXDecimalRecord* out, U256 coefficient, int64_t exponent, Rest rest,
                                 bool negative, MXRoundingMode mode,
                                 int64_t minQuantum = kMinExponent) {
    const int digits = digitCount(coefficient);
    const int64_t quantum = std::max<int64_t>(exponent + digits - kDigits, minQuantum);
    if (quantum > exponent) {
        const int64_t count = quantum - exponent;
        if (count > digits) {
            coefficient = U256{};
            rest = Rest::Below;
        } else {
            rest = dropDigits(coefficient, int(count), rest);
        }
        exponent = quantum;
    }
    return settle(out, coefficient.low128(), exponent, rest, negative, mode);
}

// finish() for an exact coefficient of at most 128 bits (so at most 39 digits) and an
// exponent of at least -128.
inline MXCalculationError finishSmall(MXDecimalRecord* out, u128 coefficient, int64_t exponent, bool negative,
                                      MXRoundingMode mode) {
    if (coefficient < kMantissaLimit) return settle(out, coefficient, exponent, Rest::Exact, negative, mode);
    unsigned digit;
    const u128 kept = divideBy10(coefficient, &digit);
    const Rest rest = digit > 5    ? Rest::Above
                      : digit == 5 ? Rest::Half
                      : digit == 0 ? Rest::Exact
                                   : Rest::Below;
    return settle(out, kept, exponent + 1, rest, negative, mode);
}

}  // namespace mxcalc::detail
