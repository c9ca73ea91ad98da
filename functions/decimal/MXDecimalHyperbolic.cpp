// Hyperbolic functions through e^x and e^x - 1. Small arguments use e^x - 1 so that the
// result keeps its relative accuracy near 0; above kNegligibleTail, e^-|x| no longer
// shows in 38 digits and the functions become 1/2 e^|x|, 2 e^-|x| or +-1.
#include "functions/decimal/MXDecimalDetail.h"
#include "functions/decimal/MXDecimalExponential.h"

namespace {

constexpr double kSmallArgument = 1.25;
constexpr double kNegligibleTail = 45;

double magnitudeEstimate(MXDecimalRecord x) { return MXDoubleFromDecimal(mxcalc::detail::MXDecimalMagnitude(x)); }

// sinh a for a >= 0.
MXDecimalRecord sinhOfMagnitude(MXDecimalRecord a) {
    const double estimate = MXDoubleFromDecimal(a);
    if (estimate > kNegligibleTail) return mxcalc::detail::MXDecimalScaledExp(a, mxcalc::detail::MXDecimalHalf());
    if (estimate > kSmallArgument) {
        const MXDecimalRecord growth = MXDecimalExp(a);
        return MXDecimalMultiply(MXDecimalSubtract(growth, MXDecimalInverse(growth)), mxcalc::detail::MXDecimalHalf());
    }
    // (E + E / (E + 1)) / 2 with E = e^a - 1.
    const MXDecimalRecord e = mxcalc::detail::MXDecimalExpm1(a);
    const MXDecimalRecord shrunk = MXDecimalDivide(e, MXDecimalAdd(e, MXDecimalOne()));
    return MXDecimalMultiply(MXDecimalAdd(e, shrunk), mxcalc::detail::MXDecimalHalf());
}

// tanh a for a >= 0: E / (E + 2) with E = e^(2a) - 1.
MXDecimalRecord tanhOfMagnitude(MXDecimalRecord a) {
    if (MXDoubleFromDecimal(a) > kNegligibleTail) return MXDecimalOne();
    const MXDecimalRecord e = mxcalc::detail::MXDecimalExpm1(MXDecimalMultiply(a, MXDecimalTwo()));
    return MXDecimalDivide(e, MXDecimalAdd(e, MXDecimalTwo()));
}

// 2 e^-|x|, the reciprocal of sinh and cosh where e^-|x| is negligible beside e^|x|.
MXDecimalRecord twiceDecay(MXDecimalRecord x) {
    return mxcalc::detail::MXDecimalScaledExp(mxcalc::detail::MXDecimalWithSign(x, true), MXDecimalTwo());
}

}  // namespace

MXDecimalRecord MXDecimalSinh(MXDecimalRecord x) {
    if (x.isNaN) return x;
    return mxcalc::detail::MXDecimalWithSign(sinhOfMagnitude(mxcalc::detail::MXDecimalMagnitude(x)), x.negative);
}

MXDecimalRecord MXDecimalCosh(MXDecimalRecord x) {
    if (x.isNaN) return x;
    const MXDecimalRecord a = mxcalc::detail::MXDecimalMagnitude(x);
    if (MXDoubleFromDecimal(a) > kNegligibleTail) return mxcalc::detail::MXDecimalScaledExp(a, mxcalc::detail::MXDecimalHalf());
    const MXDecimalRecord growth = MXDecimalExp(a);
    return MXDecimalMultiply(MXDecimalAdd(growth, MXDecimalInverse(growth)), mxcalc::detail::MXDecimalHalf());
}

MXDecimalRecord MXDecimalTanh(MXDecimalRecord x) {
    if (x.isNaN) return x;
    return mxcalc::detail::MXDecimalWithSign(tanhOfMagnitude(mxcalc::detail::MXDecimalMagnitude(x)), x.negative);
}

MXDecimalRecord MXDecimalCsch(MXDecimalRecord x) {
    if (magnitudeEstimate(x) > kNegligibleTail) {
        return mxcalc::detail::MXDecimalWithSign(twiceDecay(x), x.negative);
    }
    return MXDecimalInverse(MXDecimalSinh(x));
}

MXDecimalRecord MXDecimalSech(MXDecimalRecord x) {
    if (magnitudeEstimate(x) > kNegligibleTail) return twiceDecay(x);
    return MXDecimalInverse(MXDecimalCosh(x));
}

MXDecimalRecord MXDecimalCoth(MXDecimalRecord x) { return MXDecimalInverse(MXDecimalTanh(x)); }
