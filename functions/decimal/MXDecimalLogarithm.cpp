// ln(1 + u) and ln y: a double first guess refined by one Halley step on e^z - 1, whose
// cubic convergence carries the guess's 16 digits beyond the record's 38. Working on
// e^z - 1 rather than e^z keeps the error relative to the result near ln 1 = 0.
#include <cmath>

#include "functions/decimal/MXDecimalDetail.h"
#include "functions/decimal/MXDecimalExponential.h"

namespace detail {
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
    return MXDecimalLog(MXDecimalAdd(MXDecimalOne(), u));
}

MXDecimalRecord MXDecimalLog(MXDecimalRecord y) {
    if (y.isNaN || y.isZero() || y.negative) return MXDecimalNAN();
    const double estimate = MXDoubleFromDecimal(y);
    if (withinCore(estimate - 1)) return log1pCore(MXDecimalSubtract(y, MXDecimalOne()));
    // y = 10^tens x reduced with reduced in [0.3, 3.2].
    const int tens = static_cast<int>(std::lround(std::log10(estimate)));
    const MXDecimalRecord reduced = MXDecimalScaledByPowerOfTen(y, -tens);
    const MXDecimalRecord logOfReduced = log1pCore(MXDecimalSubtract(reduced, MXDecimalOne()));
    return MXDecimalAdd(MXDecimalMultiply(MXDecimalFromInteger(tens), MXDecimalLn10()),
                        logOfReduced);
}

}  // namespace detail
