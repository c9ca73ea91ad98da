// Integer powers of decimal records, rounded once.
//
// The power is computed by binary powering on numbers of N limbs of 19 decimal digits,
// cutting each product to its leading N limbs. Every cut lowers the value by less than
// 10^-(19(N-1)) relative, and binary powering raises those factors to exponents that sum
// to at most 4n, so the exact power lies between the computed value L and L(1 + 8n 10^-(19(N-1))).
// When that whole interval rounds to the same 38 digits the result is the correctly
// rounded exact power; otherwise the computation is repeated with more limbs: 4 (or 6 for
// powers from 2^32), then 6, then 64 limbs. 64 limbs hold every power up to the 32nd of a
// 38-digit mantissa exactly; beyond that a result would be misrounded only if the exact
// power lay within 10^-1170 (relative) of a rounding boundary.
#include <bit>

#include "platform/decimal/MXDecimalRecord.h"
#include "platform/decimal/MXDecimalRounding.h"

using namespace mxcalc::detail;

namespace {

constexpr int kLimbDigits = 19;
constexpr uint64_t kLimbBase = 10000000000000000000ull;
// Intermediate powers beyond 10^±300 decide overflow or underflow at once.
constexpr int kDecisiveExponent = 300;
// An exponent far enough outside the range to stand for any smaller or larger one.
constexpr int64_t kFarExponent = 1000000000;

// value = sum limb[i] x 10^(19 i) x 10^exponent, limb[size - 1] != 0.
template <int N>
struct Limbs {
    uint64_t limb[N] = {};
    int size = 0;
    int64_t exponent = 0;
    bool truncated = false;  // non-zero digits were cut off below limb 0
};

// x = x * (factor[0..count) x 10^factorExponent), keeping the leading N limbs.
template <int N>
void multiplyBy(Limbs<N>& x, const uint64_t* factor, int count, int64_t factorExponent) {
    uint64_t p[2 * N] = {};
    for (int i = 0; i < x.size; ++i) {
        // Each product splits into two limbs on its own; only the small carries run along
        // the row, so the divisions need not wait for each other.
        uint64_t carry = 0;  // at most kLimbBase
        for (int j = 0; j < count; ++j) {
            const u128 t = u128(x.limb[i]) * factor[j] + p[i + j];
            uint64_t low;
            const uint64_t high = divide(uint64_t(t >> 64), uint64_t(t), kPow10Reciprocal[kLimbDigits], &low);
            if (low >= kLimbBase - carry) {
                p[i + j] = low - (kLimbBase - carry);
                carry = high + 1;
            } else {
                p[i + j] = low + carry;
                carry = high;
            }
        }
        p[i + count] = carry;
    }
    int size = x.size + count;
    while (p[size - 1] == 0) --size;
    const int cut = size > N ? size - N : 0;
    for (int i = 0; i < cut; ++i) x.truncated |= p[i] != 0;
    for (int i = cut; i < size; ++i) x.limb[i - cut] = p[i];
    x.size = size - cut;
    x.exponent += factorExponent + int64_t(kLimbDigits) * cut;
}

template <int N>
int64_t leadingExponent(const Limbs<N>& x) {
    return x.exponent + int64_t(kLimbDigits) * (x.size - 1) + digitCount(u128(x.limb[x.size - 1])) - 1;
}

// Whether an error of `slack` units of the 19 digits after the rounding digit could move
// the value across a rounding boundary or the half-way point.
bool ambiguous(const U256& value, int64_t exponent, u128 slack) {
    const int digits = digitCount(value);
    const int64_t quantum = std::max<int64_t>(exponent + digits - kDigits, kMinExponent);
    const int64_t below = quantum - exponent - kLimbDigits;  // digits under the 19 examined
    uint64_t window = 0;
    if (below < digits) {
        U256 v = value;
        int64_t count = below;
        for (; count > kLimbDigits; count -= kLimbDigits) dividePow10(v, kLimbDigits);
        if (count > 0) dividePow10(v, int(count));
        window = dividePow10(v, kLimbDigits);
    }
    const u128 reach = window + slack;
    const uint64_t half = kLimbBase / 2;
    return reach >= kLimbBase || (window < half && reach >= half);
}

struct Power {
    u128 mantissa;
    int64_t exponent;
    uint64_t n;
    bool negative;
    MXRoundingMode mode;
};

MXCalculationError tiny(MXDecimalRecord* result, bool negative, MXRoundingMode mode) {
    return finish(result, U256::from(1), -kFarExponent, Rest::Exact, negative, mode);
}

// Rounds a full four-limb value whose 38 leading digits lie at or above 10^-128 straight
// from its limbs: those digits end inside limb 1 (after its first 19 - d digits, d being the
// digit count of limb 3), and the digits after them are checked against the error bound.
// Returns false when undecided.
bool settleFourLimbs(const Limbs<4>& x, int d, const Power& p, MXDecimalRecord* result,
                     MXCalculationError* status) {
    const int64_t quantum = x.exponent + kLimbDigits + d;
    const uint64_t split = uint64_t(kPow10[d]);
    const uint64_t head = x.limb[1] / split, tail = x.limb[1] % split;
    const u128 kept = (u128(x.limb[3]) * kLimbBase + x.limb[2]) * kPow10[kLimbDigits - d] + head;
    const u128 after = u128(tail) * kLimbBase + x.limb[0];
    const u128 unit = kPow10[kLimbDigits + d], half = unit / 2;
    if (x.truncated) {
        const u128 reach = after + (u128(p.n) * 8 + 2) * split;
        if (reach >= unit || (after < half && reach >= half)) return false;
    }
    Rest r = after < half ? Rest::Below : after == half ? Rest::Half : Rest::Above;
    if (x.truncated && r == Rest::Half) r = Rest::Above;
    if (!x.truncated && after == 0) r = Rest::Exact;
    *status = settle(result, kept, quantum, r, p.negative, p.mode);
    return true;
}

// Computes the power with N limbs; returns false when the result cannot be decided.
template <int N>
bool attempt(const Power& p, MXDecimalRecord* result, MXCalculationError* status, bool last) {
    uint64_t base[2];
    base[1] = uint64_t(dividePow10(p.mantissa, kLimbDigits, &base[0]));
    const int baseSize = base[1] ? 2 : 1;
    Limbs<N> x;
    x.limb[0] = base[0];
    x.limb[1] = base[1];
    x.size = baseSize;
    x.exponent = p.exponent;
    for (int bit = 62 - std::countl_zero(p.n); bit >= 0; --bit) {
        const Limbs<N> square = x;
        multiplyBy(x, square.limb, square.size, square.exponent);
        if ((p.n >> bit) & 1) multiplyBy(x, base, baseSize, p.exponent);
        const int64_t lead = leadingExponent(x);
        if (lead > kDecisiveExponent) {
            *status = setNaN(result, MXCalculationOverflow);
            return true;
        }
        if (lead < -kDecisiveExponent) {
            *status = tiny(result, p.negative, p.mode);
            return true;
        }
    }
    if constexpr (N == 4) {
        if (x.size == 4) {
            const int d = digitCount(u128(x.limb[3]));
            if (x.exponent + kLimbDigits + d >= kMinExponent) return settleFourLimbs(x, d, p, result, status);
        }
    }
    // The leading four limbs (at least 58 digits when anything was cut) decide the rounding.
    const int take = std::min(x.size, 4);
    U256 value;
    bool sticky = x.truncated;
    for (int i = x.size - 1; i >= 0; --i) {
        if (i >= x.size - take) {
            value = add(multiply(value, kLimbBase), U256::from(x.limb[i]));
        } else {
            sticky |= x.limb[i] != 0;
        }
    }
    const int64_t exponent = x.exponent + int64_t(kLimbDigits) * (x.size - take);
    const u128 slack = N == 4 ? u128(p.n) * 8 + 2 : 3;
    if (sticky && !last && ambiguous(value, exponent, slack)) return false;
    *status = finish(result, value, exponent, sticky ? Rest::Below : Rest::Exact, p.negative, p.mode);
    return true;
}

int64_t scaledExponent(int64_t exponent, uint64_t n) {
    if (exponent == 0) return 0;
    if (n > uint64_t(kFarExponent)) return exponent > 0 ? kFarExponent : -kFarExponent;
    return exponent * int64_t(n);
}

}  // namespace

MXCalculationError MXDecimalRecordPower(MXDecimalRecord* result, const MXDecimalRecord* base, uint64_t power,
                                        MXRoundingMode mode) {
    checkMode(mode);
    if (!isUsable(*base)) return setNaN(result, MXCalculationNoError);
    if (power == 0) {
        *result = MXDecimalRecord{1, 0, false, false};
        return MXCalculationNoError;
    }
    if (base->mantissa == 0) {
        *result = MXDecimalRecord{};
        return MXCalculationNoError;
    }
    Power p{base->mantissa, base->exponent, power, base->negative && (power & 1) != 0, mode};
    while (lastDigit(p.mantissa) == 0) {
        uint64_t unused;
        p.mantissa = dividePow10(p.mantissa, 1, &unused);
        ++p.exponent;
    }
    if (p.mantissa == 1) {
        return finish(result, U256::from(1), scaledExponent(p.exponent, power), Rest::Exact, p.negative, mode);
    }
    const int64_t lead = p.exponent + digitCount(p.mantissa) - 1;
    if (lead >= 1 && power > uint64_t(kDecisiveExponent)) return setNaN(result, MXCalculationOverflow);
    if (lead <= -2 && power > uint64_t(kDecisiveExponent)) return tiny(result, p.negative, mode);
    MXCalculationError status = MXCalculationNoError;
    bool decided = power < (uint64_t(1) << 32) && attempt<4>(p, result, &status, false);
    if (!decided) decided = attempt<6>(p, result, &status, false);
    if (!decided) attempt<64>(p, result, &status, true);
    return status;
}
