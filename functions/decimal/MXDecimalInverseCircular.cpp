// Arc tangent and the inverse circular functions built on it.
//
// atan(a) for 0 <= a <= 1 is atan(c) + atan((a - c) / (1 + a c)) with c = j/16 the
// nearest sixteenth, whose arc tangent is a stored constant; the remaining argument is
// at most 1/32 and its series needs at most 14 terms. Each inverse function is written
// through atan so that no step subtracts nearly equal values: 1 - x^2 as (1 - x)(1 + x),
// acos near 1 as 2 atan(sqrt((1 - x)/(1 + x))), small results without pi/2 - ... .
#include <array>
#include <cmath>

#include "functions/decimal/MXDecimalDetail.h"

namespace {

constexpr int kSixteenths = 16;
constexpr int kLastSeriesTerm = 14;
// Above this, sqrt(x^2 - 1) is x within the record's digits.
constexpr double kLargeSecant = 1e19;

// atan(j/16) for j = 0 ... 16, correctly rounded.
const std::array<MXDecimalRecord, kSixteenths + 1>& arcTangentsOfSixteenths() {
    static const auto table = [] {
        static const char* const digits[kSixteenths + 1] = {
            "0",
            "0.06241880999595734847397911298550511360627",
            "0.1243549945467614350313548491638710255732",
            "0.1853479499956947648860259612285446445153",
            "0.2449786631268641541720824812112758109141",
            "0.3028848683749714055605560945055582132915",
            "0.358770670270572220395920063926460499777",
            "0.4124104415973873068997912896671269370468",
            "0.4636476090008061162142562314612144020285",
            "0.5123894603107377066666010205842592544212",
            "0.5585993153435624359715082164016612703464",
            "0.6022873461349641816821226942042329099995",
            "0.6435011087932843868028092287173226380415",
            "0.6823165548747480782564299817111529931429",
            "0.7188299996216245054170141515259046539514",
            "0.7531512809621943895247393702690288816001",
            "0.7853981633974483096156608458198757210493",
        };
        std::array<MXDecimalRecord, kSixteenths + 1> result;
        for (int j = 0; j <= kSixteenths; ++j) result[j] = MXDecimalRecordFromString(digits[j]);
        return result;
    }();
    return table;
}

// (-1)^k / (2k + 1) for k = 0 ... kLastSeriesTerm.
const std::array<MXDecimalRecord, kLastSeriesTerm + 1>& seriesCoefficients() {
    static const auto table = [] {
        std::array<MXDecimalRecord, kLastSeriesTerm + 1> result;
        for (int k = 0; k <= kLastSeriesTerm; ++k) {
            result[k] = MXDecimalInverse(MXDecimalFromInteger(k % 2 == 0 ? 2 * k + 1 : -(2 * k + 1)));
        }
        return result;
    }();
    return table;
}

// The number of series terms for |t|: the first k with |t|^(2k) / (2k + 1) < 10^-40.
int termCount(double magnitude) {
    const double square = magnitude * magnitude;
    double power = 1;
    int k = 0;
    while (k < kLastSeriesTerm && power / (2 * k + 1) >= 1e-40) {
        ++k;
        power *= square;
    }
    return k;
}

// atan(t) for |t| <= 1/32: t (1 - t^2/3 + t^4/5 - ...).
MXDecimalRecord arcTangentSeries(MXDecimalRecord t) {
    const auto& coefficients = seriesCoefficients();
    const MXDecimalRecord square = MXDecimalMultiply(t, t);
    const int last = termCount(std::fabs(MXDoubleFromDecimal(t)));
    MXDecimalRecord sum = coefficients[last];
    for (int k = last - 1; k >= 0; --k) sum = MXDecimalAdd(MXDecimalMultiply(sum, square), coefficients[k]);
    return MXDecimalMultiply(sum, t);
}

// atan(a) for 0 <= a <= 1.
MXDecimalRecord arcTangentOfFraction(MXDecimalRecord a) {
    const int j = static_cast<int>(std::lround(MXDoubleFromDecimal(a) * kSixteenths));
    if (j == 0) return arcTangentSeries(a);
    const MXDecimalRecord c = MXDecimalDivide(MXDecimalFromInteger(j), MXDecimalFromInteger(kSixteenths));
    const MXDecimalRecord t = MXDecimalDivide(MXDecimalSubtract(a, c),
                                              MXDecimalAdd(MXDecimalOne(), MXDecimalMultiply(a, c)));
    return MXDecimalAdd(arcTangentsOfSixteenths()[j], arcTangentSeries(t));
}

// 2 atan(sqrt(ratio)).
MXDecimalRecord twiceArcTangentOfRoot(MXDecimalRecord ratio) {
    return MXDecimalMultiply(MXDecimalTwo(), MXDecimalAtan(MXDecimalSqrt(ratio)));
}

bool isOne(MXDecimalRecord x) { return mxcalc::detail::MXDecimalCompare(x, MXDecimalOne()) == 0; }

bool isBelowOne(MXDecimalRecord x) { return mxcalc::detail::MXDecimalCompare(x, MXDecimalOne()) == -1; }

}  // namespace

MXDecimalRecord MXDecimalAtan(MXDecimalRecord x) {
    if (x.isNaN) return x;
    const MXDecimalRecord a = mxcalc::detail::MXDecimalMagnitude(x);
    const MXDecimalRecord angle = isBelowOne(a) || isOne(a)
        ? arcTangentOfFraction(a)
        : MXDecimalSubtract(MXDecimalPi_2(), arcTangentOfFraction(MXDecimalInverse(a)));
    return mxcalc::detail::MXDecimalWithSign(angle, x.negative);
}

MXDecimalRecord MXDecimalAsin(MXDecimalRecord x) {
    if (x.isNaN) return x;
    const MXDecimalRecord a = mxcalc::detail::MXDecimalMagnitude(x);
    if (isOne(a)) return mxcalc::detail::MXDecimalWithSign(MXDecimalPi_2(), x.negative);
    if (!isBelowOne(a)) return MXDecimalNAN();
    const MXDecimalRecord one = MXDecimalOne();
    const MXDecimalRecord cosine =
        MXDecimalSqrt(MXDecimalMultiply(MXDecimalSubtract(one, x), MXDecimalAdd(one, x)));
    return MXDecimalAtan(MXDecimalDivide(x, cosine));
}

MXDecimalRecord MXDecimalAcos(MXDecimalRecord x) {
    if (x.isNaN) return x;
    const MXDecimalRecord a = mxcalc::detail::MXDecimalMagnitude(x);
    if (!isBelowOne(a) && !isOne(a)) return MXDecimalNAN();
    if (isOne(a) && x.negative) return MXDecimalPi();
    const MXDecimalRecord one = MXDecimalOne();
    return twiceArcTangentOfRoot(MXDecimalDivide(MXDecimalSubtract(one, x), MXDecimalAdd(one, x)));
}

MXDecimalRecord MXDecimalAsec(MXDecimalRecord x) {
    if (x.isNaN) return x;
    const MXDecimalRecord a = mxcalc::detail::MXDecimalMagnitude(x);
    if (isBelowOne(a)) return MXDecimalNAN();
    if (isOne(a) && x.negative) return MXDecimalPi();
    const MXDecimalRecord one = MXDecimalOne();
    return twiceArcTangentOfRoot(MXDecimalDivide(MXDecimalSubtract(x, one), MXDecimalAdd(x, one)));
}

MXDecimalRecord MXDecimalAcsc(MXDecimalRecord x) {
    if (x.isNaN) return x;
    const MXDecimalRecord a = mxcalc::detail::MXDecimalMagnitude(x);
    if (isBelowOne(a)) return MXDecimalNAN();
    const MXDecimalRecord one = MXDecimalOne();
    // acsc a = atan(1 / sqrt(a^2 - 1)).
    const MXDecimalRecord cotangent = MXDoubleFromDecimal(a) > kLargeSecant
        ? a
        : MXDecimalSqrt(MXDecimalMultiply(MXDecimalSubtract(a, one), MXDecimalAdd(a, one)));
    const MXDecimalRecord angle = cotangent.isZero() ? MXDecimalPi_2() : MXDecimalAtan(MXDecimalInverse(cotangent));
    return mxcalc::detail::MXDecimalWithSign(angle, x.negative);
}

MXDecimalRecord MXDecimalAcot(MXDecimalRecord x) {
    if (x.isNaN) return x;
    if (x.isZero()) return MXDecimalPi_2();
    if (x.negative) return MXDecimalAdd(MXDecimalPi_2(), MXDecimalAtan(mxcalc::detail::MXDecimalMagnitude(x)));
    return MXDecimalAtan(MXDecimalInverse(x));
}
