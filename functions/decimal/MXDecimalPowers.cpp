// Square root and factorial.
#include <cmath>

#include "functions/decimal/MXDecimalDetail.h"

namespace {

constexpr int kSqrtIterations = 50;

}  // namespace

// Heron's iteration from the double square root as first guess, which brings every
// argument within two or three iterations of the root. It stops once the iteration
// stands still or swings between two neighbouring records; a test of s x s against x
// with an absolute tolerance would stop far too early for small x.
MXDecimalRecord MXDecimalSqrt(MXDecimalRecord x) {
    if (x.isNaN || x.negative) return MXDecimalNAN();
    if (x.isZero()) return x;
    MXDecimalRecord s = MXDecimalFromDouble(std::sqrt(MXDoubleFromDecimal(x)));
    MXDecimalRecord previous = s;
    for (int i = 0; i < kSqrtIterations; ++i) {
        const MXDecimalRecord next = MXDecimalAverage2(MXDecimalDivide(x, s), s);
        if (mxcalc::detail::MXDecimalCompare(next, s) == 0 || mxcalc::detail::MXDecimalCompare(next, previous) == 0) {
            return next;
        }
        previous = s;
        s = next;
    }
    return s;
}

MXDecimalRecord MXDecimalFactorial(MXDecimalRecord x) {
    if (x.isNaN) return x;
    if (!MXDecimalIsInteger(x)) return MXDecimalGamma(MXDecimalAdd(x, MXDecimalOne()));
    x = mxcalc::detail::MXDecimalMagnitude(x);
    MXDecimalRecord product = MXDecimalOne();
    const MXDecimalRecord one = MXDecimalOne();
    while (mxcalc::detail::MXDecimalCompare(x, one) == 1) {
        const MXCalculationError status =
            MXDecimalRecordMultiply(&product, &product, &x, MXRoundBankers);
        if (status == MXCalculationOverflow) return MXDecimalNAN();
        x = MXDecimalSubtract(x, one);
    }
    return product;
}
