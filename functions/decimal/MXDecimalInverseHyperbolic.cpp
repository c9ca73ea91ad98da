// Inverse hyperbolic functions through ln(1 + u), with each argument of the logarithm
// formed without subtracting nearly equal values.
#include "functions/decimal/MXDecimalDetail.h"
#include "functions/decimal/MXDecimalExponential.h"

namespace {

constexpr double kSmallArgument = 0.5;
// Above this, x^2 + 1 is x^2 within the record's digits.
constexpr double kLargeArgument = 1e19;

// asinh a for a >= 0.
MXDecimalRecord asinhOfMagnitude(MXDecimalRecord a) {
    const double estimate = MXDoubleFromDecimal(a);
    if (estimate > kLargeArgument) return MXDecimalAdd(MXDecimalLn(a), MXDecimalLn2());
    const MXDecimalRecord one = MXDecimalOne();
    const MXDecimalRecord square = MXDecimalMultiply(a, a);
    const MXDecimalRecord root = MXDecimalSqrt(MXDecimalAdd(square, one));
    if (estimate > kSmallArgument) return MXDecimalLn(MXDecimalAdd(a, root));
    // ln(1 + a + a^2 / (1 + sqrt(1 + a^2))), the same as ln(a + sqrt(a^2 + 1)).
    return mxcalc::detail::MXDecimalLog1p(MXDecimalAdd(a, MXDecimalDivide(square, MXDecimalAdd(one, root))));
}

// 1/2 ln(1 + u), the inverse hyperbolic tangent for u = 2a / (1 - a).
MXDecimalRecord halfLog1p(MXDecimalRecord u) { return MXDecimalMultiply(mxcalc::detail::MXDecimalLog1p(u), mxcalc::detail::MXDecimalHalf()); }

// acosh(1 + d) for d >= 0: ln(1 + d + sqrt(d (d + 2))), which keeps its digits near d = 0,
// or ln(1 + d) + ln 2 once d^2 + 2d is (1 + d)^2 within the record's digits.
MXDecimalRecord acoshOfOnePlus(MXDecimalRecord d) {
    if (MXDoubleFromDecimal(d) > kLargeArgument) {
        return MXDecimalAdd(MXDecimalLn(MXDecimalAdd(d, MXDecimalOne())), MXDecimalLn2());
    }
    const MXDecimalRecord root = MXDecimalSqrt(MXDecimalMultiply(d, MXDecimalAdd(d, MXDecimalTwo())));
    return mxcalc::detail::MXDecimalLog1p(MXDecimalAdd(d, root));
}

bool isBelowOne(MXDecimalRecord x) { return mxcalc::detail::MXDecimalCompare(x, MXDecimalOne()) == -1; }

bool magnitudeBelowOne(MXDecimalRecord x) {
    return mxcalc::detail::MXDecimalCompare(mxcalc::detail::MXDecimalMagnitude(x), MXDecimalOne()) == -1;
}

}  // namespace

MXDecimalRecord MXDecimalAsinh(MXDecimalRecord x) {
    if (x.isNaN) return x;
    return mxcalc::detail::MXDecimalWithSign(asinhOfMagnitude(mxcalc::detail::MXDecimalMagnitude(x)), x.negative);
}

MXDecimalRecord MXDecimalAcosh(MXDecimalRecord x) {
    if (x.isNaN || isBelowOne(x)) return MXDecimalNAN();
    return acoshOfOnePlus(MXDecimalSubtract(x, MXDecimalOne()));
}

MXDecimalRecord MXDecimalAtanh(MXDecimalRecord x) {
    if (x.isNaN || !magnitudeBelowOne(x)) return MXDecimalNAN();
    const MXDecimalRecord a = mxcalc::detail::MXDecimalMagnitude(x);
    const MXDecimalRecord u =
        MXDecimalDivide(MXDecimalMultiply(a, MXDecimalTwo()), MXDecimalSubtract(MXDecimalOne(), a));
    return mxcalc::detail::MXDecimalWithSign(halfLog1p(u), x.negative);
}

MXDecimalRecord MXDecimalAcsch(MXDecimalRecord x) { return MXDecimalAsinh(MXDecimalInverse(x)); }

// acosh(1/x), with 1/x - 1 formed as (1 - x) / x.
MXDecimalRecord MXDecimalAsech(MXDecimalRecord x) {
    if (x.isNaN || x.isZero() || x.negative || mxcalc::detail::MXDecimalCompare(x, MXDecimalOne()) == 1) return MXDecimalNAN();
    return acoshOfOnePlus(MXDecimalDivide(MXDecimalSubtract(MXDecimalOne(), x), x));
}

// atanh(1/x) = 1/2 ln(1 + 2 / (|x| - 1)) with the sign of x.
MXDecimalRecord MXDecimalAcoth(MXDecimalRecord x) {
    if (x.isNaN || magnitudeBelowOne(x)) return MXDecimalNAN();
    const MXDecimalRecord gap = MXDecimalSubtract(mxcalc::detail::MXDecimalMagnitude(x), MXDecimalOne());
    if (gap.isZero()) return MXDecimalNAN();
    return mxcalc::detail::MXDecimalWithSign(halfLog1p(MXDecimalDivide(MXDecimalTwo(), gap)), x.negative);
}
