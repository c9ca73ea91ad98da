// Sine, cosine, tangent and their reciprocals. The magnitude of the argument is reduced to
// r + k pi/2 with |r| <= pi/4 by a three-part pi/2, so that the reduction keeps the digits
// of arguments near multiples of pi/2; a Taylor series of 22 terms then gives sin r or
// cos r by the quadrant k, and the symmetries (sine odd, cosine even) restore the sign. A
// series ends early when a power or a division underflows, overflows or divides by zero.
#include <array>

#include "functions/decimal/MXDecimalDetail.h"

namespace {

constexpr int kSeriesTerms = 22;
constexpr int kLastPower = 45;
constexpr int kTangentCosinePlaces = 34;
constexpr int kQuadrants = 4;
// Below 10^19 the quadrant count has at most 19 digits, and its products with the parts
// of pi/2 are exact.
constexpr int kExactReductionDigits = 19;
// Larger arguments are first reduced by the 38-digit 2 pi; a result beyond this means the
// argument was too large for that (about 10^37 and above): its sine and cosine are unknown.
constexpr int kLargestReducedArgument = 4;

bool endsSeries(MXCalculationError status) {
    return status == MXCalculationUnderflow || status == MXCalculationOverflow ||
           status == MXCalculationDivideByZero;
}

// n! as MXDecimalFactorial gives it, for the series terms.
const std::array<MXDecimalRecord, kLastPower + 1>& factorials() {
    static const auto table = [] {
        std::array<MXDecimalRecord, kLastPower + 1> result;
        for (int n = 0; n <= kLastPower; ++n) result[n] = MXDecimalFactorial(MXDecimalFromInteger(n));
        return result;
    }();
    return table;
}

// start + sum over n = firstPower, firstPower + 2, ... of -/+ x^n / n!, first term subtracted.
MXDecimalRecord alternatingSeries(MXDecimalRecord x, MXDecimalRecord start, int firstPower) {
    MXDecimalRecord sum = start;
    bool subtract = true;
    for (int count = 0, n = firstPower; count < kSeriesTerms; ++count, n += 2) {
        MXDecimalRecord power;
        if (endsSeries(MXDecimalRecordPower(&power, &x, static_cast<uint64_t>(n), MXRoundBankers))) break;
        MXDecimalRecord term;
        if (endsSeries(MXDecimalRecordDivide(&term, &power, &factorials()[n], MXRoundBankers))) break;
        sum = subtract ? MXDecimalSubtract(sum, term) : MXDecimalAdd(sum, term);
        subtract = !subtract;
    }
    return sum;
}

MXDecimalRecord negated(MXDecimalRecord x) { return mxcalc::detail::MXDecimalWithSign(x, !x.negative); }

// A non-negative argument as r + quadrant x pi/2.
struct Reduced {
    MXDecimalRecord r;
    unsigned quadrant = 0;
};

// A huge non-negative argument reduced by the 38-digit 2 pi into [0, 2 pi), or not-a-number.
MXDecimalRecord reducedByTwoPi(MXDecimalRecord magnitude) {
    const MXDecimalRecord reduced = MXDecimalMod2Pi(magnitude);
    const MXDecimalRecord bound = MXDecimalFromInteger(kLargestReducedArgument);
    if (mxcalc::detail::MXDecimalCompare(mxcalc::detail::MXDecimalMagnitude(reduced), bound) == 1) return MXDecimalNAN();
    return MXDecimalIsNegative(reduced) ? MXDecimalAdd(reduced, MXDecimal2Pi()) : reduced;
}

// Cody-Waite reduction: k = nearest integer to x / (pi/2), then r = x - k high - k middle
// - k low. The first subtraction is exact, and the later ones round only the small rest.
Reduced reducedByHalfPi(MXDecimalRecord magnitude) {
    const MXDecimalRecord limit = mxcalc::detail::MXDecimalFromParts(1, kExactReductionDigits);
    if (mxcalc::detail::MXDecimalCompare(magnitude, limit) == 1) magnitude = reducedByTwoPi(magnitude);
    const MXDecimalRecord quotient = MXDecimalDivide(magnitude, MXDecimalPi_2());
    MXDecimalRecord k;
    MXDecimalRecordRound(&k, &quotient, 0, MXRoundBankers);
    if (k.isZero()) return {magnitude, 0};
    const mxcalc::detail::MXDecimalPi_2Parts& parts = mxcalc::detail::MXDecimalPi_2Split();
    MXDecimalRecord r = MXDecimalSubtract(magnitude, MXDecimalMultiply(k, parts.high));
    r = MXDecimalSubtract(r, MXDecimalMultiply(k, parts.middle));
    r = MXDecimalSubtract(r, MXDecimalMultiply(k, parts.low));
    return {r, static_cast<unsigned>(MXUIntegerFromDecimal(k) % kQuadrants)};
}

// sin(r + quadrant x pi/2).
MXDecimalRecord sineInQuadrant(MXDecimalRecord r, unsigned quadrant) {
    const MXDecimalRecord value =
        quadrant % 2 == 0 ? alternatingSeries(r, r, 3) : alternatingSeries(r, MXDecimalOne(), 2);
    return quadrant >= 2 ? negated(value) : value;
}

// sin x from the reduction of |x|: the sine is odd.
MXDecimalRecord sine(MXDecimalRecord x, const Reduced& reduced) {
    const MXDecimalRecord value = sineInQuadrant(reduced.r, reduced.quadrant);
    return x.negative ? negated(value) : value;
}

// cos x = sin(|x| + pi/2): the cosine is even.
MXDecimalRecord cosine(const Reduced& reduced) {
    return sineInQuadrant(reduced.r, (reduced.quadrant + 1) % kQuadrants);
}

}  // namespace

MXDecimalRecord MXDecimalSin(MXDecimalRecord x) {
    return sine(x, reducedByHalfPi(mxcalc::detail::MXDecimalMagnitude(x)));
}

MXDecimalRecord MXDecimalCos(MXDecimalRecord x) { return cosine(reducedByHalfPi(mxcalc::detail::MXDecimalMagnitude(x))); }

// A cosine that rounds to zero at 34 places marks an odd multiple of pi/2: the division
// by that zero gives not-a-number. Elsewhere the cosine keeps all its digits.
MXDecimalRecord MXDecimalTan(MXDecimalRecord x) {
    const Reduced reduced = reducedByHalfPi(mxcalc::detail::MXDecimalMagnitude(x));
    const MXDecimalRecord cosineValue = cosine(reduced);
    MXDecimalRecord rounded;
    MXDecimalRecordRound(&rounded, &cosineValue, kTangentCosinePlaces, MXRoundBankers);
    return MXDecimalDivide(sine(x, reduced), rounded.isZero() ? rounded : cosineValue);
}

MXDecimalRecord MXDecimalCsc(MXDecimalRecord x) { return MXDecimalInverse(MXDecimalSin(x)); }

MXDecimalRecord MXDecimalSec(MXDecimalRecord x) { return MXDecimalInverse(MXDecimalCos(x)); }

MXDecimalRecord MXDecimalCot(MXDecimalRecord x) { return MXDecimalInverse(MXDecimalTan(x)); }
