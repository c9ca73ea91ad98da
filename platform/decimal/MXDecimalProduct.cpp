// Multiplication and division of decimal records.
#include "platform/decimal/MXDecimalRecord.h"
#include "platform/decimal/MXDecimalRounding.h"

using namespace detail;

namespace {

// (high:low) / d for high < d.
uint64_t divideWord(uint64_t high, uint64_t low, uint64_t d, uint64_t* remainder) {
#if defined(__x86_64__)
    uint64_t q;
    asm("divq %4" : "=a"(q), "=d"(*remainder) : "a"(low), "d"(high), "r"(d));
    return q;
#else
    const u128 n = (u128(high) << 64) | low;
    *remainder = uint64_t(n % d);
    return uint64_t(n / d);
#endif
}

// (r:n) / d for a normalized two-word d and r < d; r becomes the remainder.
uint64_t divideThreeByTwo(u128& r, uint64_t n, u128 d) {
    const uint64_t d1 = uint64_t(d >> 64), d0 = uint64_t(d);
    uint64_t q = ~uint64_t(0);
    if (uint64_t(r >> 64) < d1) {
        uint64_t unused;
        q = divideWord(uint64_t(r >> 64), uint64_t(r), d1, &unused);
    }
    // q exceeds the true quotient by at most 2. The remainder (r:n) - q x d lies in
    // (-2d, d) and is kept as a 192-bit two's complement number (v2:v1:v0).
    const u128 p0 = u128(q) * d0;
    const u128 p1 = u128(q) * d1 + uint64_t(p0 >> 64);
    const u128 s0 = u128(n) - uint64_t(p0);
    const u128 s1 = u128(uint64_t(r)) - uint64_t(p1) - (s0 >> 127);
    uint64_t v0 = uint64_t(s0), v1 = uint64_t(s1);
    uint64_t v2 = uint64_t(r >> 64) - uint64_t(p1 >> 64) - uint64_t(s1 >> 127);
    while (int64_t(v2) < 0) {
        --q;
        const u128 a0 = u128(v0) + d0;
        const u128 a1 = u128(v1) + d1 + uint64_t(a0 >> 64);
        v0 = uint64_t(a0);
        v1 = uint64_t(a1);
        v2 += uint64_t(a1 >> 64);
    }
    r = (u128(v1) << 64) | v0;
    return q;
}

// n / d and its remainder, for a quotient below 2^128.
u128 divideWide(const U256& n, u128 d, u128* remainder) {
    if (uint64_t(d >> 64) == 0) {
        uint64_t rem = 0;
        uint64_t q[4] = {0, 0, 0, 0};
        for (int i = n.words() - 1; i >= 0; --i) q[i] = divideWord(rem, n.w[i], uint64_t(d), &rem);
        *remainder = rem;
        return (u128(q[1]) << 64) | q[0];
    }
    const int s = std::countl_zero(uint64_t(d >> 64));
    const u128 dn = d << s;
    // The dividend shifted by s; a quotient below 2^128 makes its top three words below dn.
    uint64_t w[5];
    w[0] = n.w[0] << s;
    for (int i = 1; i < 4; ++i) w[i] = s ? (n.w[i] << s) | (n.w[i - 1] >> (64 - s)) : n.w[i];
    u128 r = (u128(w[3]) << 64) | w[2];
    const uint64_t q1 = divideThreeByTwo(r, w[1], dn);
    const uint64_t q0 = divideThreeByTwo(r, w[0], dn);
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
    return finish(result, multiply(left->mantissa, right->mantissa), int(left->exponent) + right->exponent,
                  Rest::Exact, left->negative != right->negative, mode);
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
    return finish(result, U256::from(quotient), int64_t(left->exponent) - right->exponent - shift, rest,
                  left->negative != right->negative, mode);
}
