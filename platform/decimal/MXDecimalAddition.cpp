// Addition and subtraction of decimal records.
#include "platform/decimal/MXDecimalRecord.h"
#include "platform/decimal/MXDecimalRounding.h"

using namespace mxcalc::detail;

namespace {

struct Term {
    u128 mantissa;
    int exponent;
    bool negative;
};

// A single term: the record itself, brought into the compact form.
MXCalculationError single(MXDecimalRecord* result, const Term& t, MXRoundingMode mode) {
    return finishSmall(result, t.mantissa, t.exponent, t.negative, mode);
}

Rest mirrored(Rest r) {
    return r == Rest::Below ? Rest::Above : r == Rest::Above ? Rest::Below : r;
}

// Equal exponents: the exact sum fits 128 bits.
MXCalculationError addAligned(MXDecimalRecord* result, const Term& a, const Term& b, MXRoundingMode mode) {
    if (a.negative == b.negative) return finishSmall(result, a.mantissa + b.mantissa, a.exponent, a.negative, mode);
    if (a.mantissa == b.mantissa) {
        *result = MXDecimalRecord{};
        return MXCalculationNoError;
    }
    return a.mantissa > b.mantissa ? finishSmall(result, a.mantissa - b.mantissa, a.exponent, a.negative, mode)
                                   : finishSmall(result, b.mantissa - a.mantissa, a.exponent, b.negative, mode);
}

// Exponents at most 39 apart: the exact sum fits 256 bits.
MXCalculationError addNear(MXDecimalRecord* result, const Term& high, const Term& low, MXRoundingMode mode) {
    const U256 a = multiplyPow10(high.mantissa, high.exponent - low.exponent);
    const U256 b = U256::from(low.mantissa);
    if (high.negative == low.negative) {
        return finish(result, add(a, b), low.exponent, Rest::Exact, high.negative, mode);
    }
    const int order = compare(a, b);
    if (order == 0) {
        *result = MXDecimalRecord{};
        return MXCalculationNoError;
    }
    return order > 0 ? finish(result, subtract(a, b), low.exponent, Rest::Exact, high.negative, mode)
                     : finish(result, subtract(b, a), low.exponent, Rest::Exact, low.negative, mode);
}

// Exponents more than 39 apart: the smaller term lies below the 39th digit of the larger,
// so the larger one scaled to 77 digits plus the smaller one's leading digits and rest
// round exactly as the true sum.
MXCalculationError addFar(MXDecimalRecord* result, const Term& high, const Term& low, MXRoundingMode mode) {
    const int guard = kDigits + 1;
    U256 a = multiplyPow10(high.mantissa, guard);
    const int shift = high.exponent - low.exponent - guard;
    U256 b = U256::from(low.mantissa);
    Rest rest = Rest::Below;
    if (shift <= kDigits) {
        rest = dropDigits(b, shift, Rest::Exact);
    } else {
        b = U256{};
    }
    if (high.negative == low.negative) {
        a = add(a, b);
    } else {
        a = subtract(a, b);
        if (rest != Rest::Exact) {
            a = subtract(a, U256::from(1));
            rest = mirrored(rest);
        }
    }
    return finish(result, a, int64_t(high.exponent) - guard, rest, high.negative, mode);
}

MXCalculationError addTerms(MXDecimalRecord* result, const MXDecimalRecord* left, const MXDecimalRecord* right,
                            bool negateRight, MXRoundingMode mode) {
    checkMode(mode);
    if (!isUsable(*left) || !isUsable(*right)) return setNaN(result, MXCalculationNoError);
    Term a{left->mantissa, left->exponent, left->negative};
    Term b{right->mantissa, right->exponent, right->negative != negateRight};
    if (a.mantissa == 0) return single(result, b, mode);
    if (b.mantissa == 0) return single(result, a, mode);
    if (a.exponent == b.exponent) return addAligned(result, a, b, mode);
    if (a.exponent < b.exponent) std::swap(a, b);
    if (a.exponent - b.exponent <= kDigits + 1) return addNear(result, a, b, mode);
    return addFar(result, a, b, mode);
}

}  // namespace

MXCalculationError MXDecimalRecordAdd(MXDecimalRecord* result, const MXDecimalRecord* left,
                                      const MXDecimalRecord* right, MXRoundingMode mode) {
    return addTerms(result, left, right, false, mode);
}

MXCalculationError MXDecimalRecordSubtract(MXDecimalRecord* result, const MXDecimalRecord* left,
                                           const MXDecimalRecord* right, MXRoundingMode mode) {
    return addTerms(result, left, right, true, mode);
}
