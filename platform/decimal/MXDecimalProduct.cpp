// Multiplication and division of decimal records.
#include "platform/decimal/MXDecimalRecord.h"
#include "platform/decimal/MXDecimalRounding.h"

using namespace mxcalc::detail;

namespace {

// floor((2^192 - 1) / d) - 2^64 for a normalized two-word d (Moeller and Granlund,
// "Improved division by invariant integers", algorithm 6).
uint64_t reciprocalThreeByTwo(uint64_t d1, uint64_t d0) {
    uint64_t v = reciprocalWord(d1);
    uint64_t p = d1 * v + d0;
    if (p < d0) {
        --v;
        if (p >= d1) {
            --v;
            p -= d1;
        }
        p -= d1;
    }
    const u128 t = u128(v) * d0;
    p += uint64_t(t >> 64);
    if (p < uint64_t(t >> 64)) {
        --v;
        if (p > d1 || (p == d1 && uint64_t(t) >= d0)) --v;
    }
    return v;
}

// (r:u0) / d for a normalized two-word d and r < d, with v its reciprocal (algorithm 5);
// r becomes the remainder.
uint64_t divideThreeByTwo(u128& r, uint64_t u0, u128 d, uint64_t v) {
    const uint64_t d1 = uint64_t(d >> 64), d0 = uint64_t(d);
    const u128 q = u128(v) * uint64_t(r >> 64) + r;
    uint64_t q1 = uint64_t(q >> 64);
    const uint64_t r1 = uint64_t(r) - q1 * d1;
    u128 rest = ((u128(r1) << 64) | u0) - u128(d0) * q1 - d;
    ++q1;
    if (uint64_t(rest >> 64) >= uint64_t(q)) {
        --q1;
        rest += d;
    }
    if (rest >= d) [[unlikely]] {
        ++q1;
        rest -= d;
    }
    r = rest;
    return q1;
}

// n / d and its remainder, for a quotient below 2^128.
u128 divideWide(const U256& n, u128 d, u128* remainder) {
    if (uint64_t(d >> 64) == 0) {
        U256 q = n;
        *remainder = divide(q, reciprocalOf(uint64_t(d)));
        return q.low128();
    }
    const int s = std::countl_zero(uint64_t(d >> 64));
    const u128 dn = d << s;
    // The dividend shifted by s; a quotient below 2^128 makes its top three words below dn.
    uint64_t w[4];
    w[0] = n.w[0] << s;
    for (int i = 1; i < 4; ++i) w[i] = s ? (n.w[i] << s) | (n.w[i - 1] >> (64 - s)) : n.w[i];
    const uint64_t v = reciprocalThreeByTwo(uint64_t(dn >> 64), uint64_t(dn));
    u128 r = (u128(w[3]) << 64) | w[2];
    const uint64_t q1 = divideThreeByTwo(r, w[1], dn, v);
    const uint64_t q0 = divideThreeByTwo(r, w[0], dn, v);
    *remainder = r >> s;
    return (u128(q1) << 64) | q0;
}

bool operandsUsable(const MXDecimalRecord* left, const MXDecimalRecord* right, MXRoundingMode mode) {
    checkMode(mode);
    return isUsable(*left) && isUsable(*right);
}

}  // namespace

MXCalculationError MXDecimalRecordMultiply(MXDecimalRecord* result, const MXDecimalRecord* left,
                                           const MXDecimalRecord* right, MXRoundingMode mode) {
    if (!operandsUsable(left, right, mode)) return setNaN(result, MXCalculationNoError);
    if (left->mantissa == 0 || right->mantissa == 0) {
        *result = MXDecimalRecord{};
        return MXCalculationNoError;
    }
    const U256 product = multiply(left->mantissa, right->mantissa);
    const int exponent = int(left->exponent) + right->exponent;
    const bool negative = left->negative != right->negative;
    if (product.fits128() && exponent >= kMinExponent) {
        return finishSmall(result, product.low128(), exponent, negative, mode);
    }
    return finish(result, product, exponent, Rest::Exact, negative, mode);
}

// The dividend is scaled so that the quotient has exactly 38 digits; the remainder then
// tells where the rest lies against half a unit.
MXCalculationError MXDecimalRecordDivide(MXDecimalRecord* result, const MXDecimalRecord* left,
                                         const MXDecimalRecord* right, MXRoundingMode mode) {
    if (!operandsUsable(left, right, mode)) return setNaN(result, MXCalculationNoError);
    if (right->mantissa == 0) return setNaN(result, MXCalculationDivideByZero);
    if (left->mantissa == 0) {
        *result = MXDecimalRecord{};
        return MXCalculationNoError;
    }
    const u128 a = left->mantissa, b = right->mantissa;
    const int da = digitCount(a), db = digitCount(b);
    const bool smaller = db >= da ? a * kPow10[db - da] < b : a < b * kPow10[da - db];
    const int shift = kDigits - 1 + db - da + (smaller ? 1 : 0);
    u128 remainder;
    const u128 quotient = divideWide(multiplyPow10(a, shift), b, &remainder);
    Rest rest = Rest::Exact;
    if (remainder != 0) {
        const u128 twice = remainder << 1;
        rest = twice < b ? Rest::Below : twice == b ? Rest::Half : Rest::Above;
    }
    const int64_t exponent = int64_t(left->exponent) - right->exponent - shift;
    const bool negative = left->negative != right->negative;
    // 38 digits at an exponent in range need no further digits dropped.
    if (exponent >= kMinExponent) return settle(result, quotient, exponent, rest, negative, mode);
    return finish(result, U256::from(quotient), exponent, rest, negative, mode);
}
