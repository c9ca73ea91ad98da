// ln(1 + u) and ln y: a double first guess refined by one Halley step on e^z - 1, whose
// cubic convergence carries the guess's 16 digits beyond the record's 38. Working on
// e^z - 1 rather than e^z keeps the error relative to the result near ln 1 = 0.
//
// A logarithm to a base is the quotient of two natural logarithms. Where that quotient
// lies next to a fraction p/q with a small q, base^p = x^q is checked exactly, and the
// fraction is returned instead: the quotient alone may miss it by a unit of the last digit.
#include <cmath>

#include "functions/decimal/MXDecimalDetail.h"
#include "functions/decimal/MXDecimalExponential.h"

namespace mxcalc::detail {
namespace {

// u for which ln(1 + u) lies within the reach of the e^z - 1 core.
constexpr double kCoreLow = -0.7;
constexpr double kCoreHigh = 2.2;

MXDecimalRecord log1pCore(MXDecimalRecord u) {
    const MXDecimalRecord z = MXDecimalFromDouble(std::log1p(MXDoubleFromDecimal(u)));
    const MXDecimalRecord e = MXDecimalExpm1(z);
    // z + 2 (u - e) / (2 + u + e)
    const MXDecimalRecord numerator = MXDecimalMultiply(MXDecimalSubtract(u, e), MXDecimalTwo());
    const MXDecimalRecord denominator = MXDecimalAdd(MXDecimalAdd(MXDecimalTwo(), u), e);
    return MXDecimalAdd(z, MXDecimalDivide(numerator, denominator));
}

bool withinCore(double u) { return u >= kCoreLow && u <= kCoreHigh; }

}  // namespace

MXDecimalRecord MXDecimalLog1p(MXDecimalRecord u) {
    if (u.isNaN) return u;
    if (withinCore(MXDoubleFromDecimal(u))) return log1pCore(u);
    return MXDecimalLn(MXDecimalAdd(MXDecimalOne(), u));
}

}  // namespace mxcalc::detail

namespace {

// Fractions p/q tried as exact logarithms: q up to this, |p| up to the other.
constexpr int kLargestDenominator = 12;
constexpr double kLargestNumerator = 2000;
// How far (in units of 1/q) the double estimate may lie from p/q.
constexpr double kFractionTolerance = 1e-9;

bool isPositive(MXDecimalRecord x) { return !x.isNaN && !x.isZero() && !x.negative; }

// log_base(x) from the quotient ln x / ln base.
MXDecimalRecord exactWherePossible(MXDecimalRecord quotient, MXDecimalRecord x, MXDecimalRecord base) {
    const double estimate = MXDoubleFromDecimal(quotient);
    for (int q = 1; q <= kLargestDenominator; ++q) {
        const double p = std::nearbyint(estimate * q);
        if (std::fabs(estimate * q - p) > kFractionTolerance || std::fabs(p) > kLargestNumerator) continue;
        if (mxcalc::detail::MXDecimalPowersAgree(x, static_cast<uint64_t>(q), base, static_cast<int64_t>(p))) {
            return MXDecimalDivide(MXDecimalFromInteger(static_cast<int64_t>(p)), MXDecimalFromInteger(q));
        }
    }
    return quotient;
}

MXDecimalRecord logarithm(MXDecimalRecord x, MXDecimalRecord base, MXDecimalRecord lnBase) {
    if (!isPositive(x) || lnBase.isNaN || lnBase.isZero()) return MXDecimalNAN();
    return exactWherePossible(MXDecimalDivide(MXDecimalLn(x), lnBase), x, base);
}

}  // namespace

MXDecimalRecord MXDecimalLn(MXDecimalRecord y) {
    if (!isPositive(y)) return MXDecimalNAN();
    const double estimate = MXDoubleFromDecimal(y);
    if (mxcalc::detail::withinCore(estimate - 1)) return mxcalc::detail::log1pCore(MXDecimalSubtract(y, MXDecimalOne()));
    // y = 10^tens x reduced with reduced in [0.3, 3.2].
    const int tens = static_cast<int>(std::lround(std::log10(estimate)));
    const MXDecimalRecord reduced = mxcalc::detail::MXDecimalScaledByPowerOfTen(y, -tens);
    const MXDecimalRecord logOfReduced = mxcalc::detail::log1pCore(MXDecimalSubtract(reduced, MXDecimalOne()));
    return MXDecimalAdd(MXDecimalMultiply(MXDecimalFromInteger(tens), MXDecimalLn10()), logOfReduced);
}

MXDecimalRecord MXDecimalLog10(MXDecimalRecord x) {
    return logarithm(x, mxcalc::detail::MXDecimalFromParts(1, 1), MXDecimalLn10());
}

MXDecimalRecord MXDecimalLog2(MXDecimalRecord x) { return logarithm(x, MXDecimalTwo(), MXDecimalLn2()); }

MXDecimalRecord MXDecimalLogToBase(MXDecimalRecord x, MXDecimalRecord base) {
    if (!isPositive(base)) return MXDecimalNAN();
    return logarithm(x, base, MXDecimalLn(base));
}
