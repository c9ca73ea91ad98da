// The gamma function. 1 / Gamma(1 + z) for |z| <= 1/2 comes from its Taylor series (at
// most 39 terms, fewer for small |z|); the recurrence Gamma(x + 1) = x Gamma(x) reaches
// every other x from 1 + z, multiplying by x - 1, x - 2, ..., 1 + z above and dividing
// by x, x + 1, ..., z below. Each of those factors is x moved towards 0 by an integer and
// so is exact: next to a pole, where one factor is tiny, the result keeps its digits.
#include <array>
#include <cmath>

#include "functions/decimal/MXDecimalDetail.h"

namespace {

constexpr int kLastTerm = 38;
// Terms below this (relative to a sum near 1) do not show in 38 digits.
constexpr double kNegligibleTerm = 1e-41;
// Beyond this many steps of the recurrence Gamma leaves the record's range: above 10^165
// and below 10^-128.
constexpr double kLargestShift = 110;

// Taylor coefficients of 1 / Gamma(1 + z) at z = 0.
constexpr const char* kCoefficientDigits[kLastTerm + 1] = {
    "1",
    "5.772156649015328606065120900824024310422e-1",
    "-6.558780715202538810770195151453904812798e-1",
    "-4.200263503409523552900393487542981871139e-2",
    "1.665386113822914895017007951021052357178e-1",
    "-4.219773455554433674820830128918739130165e-2",
    "-9.621971527876973562114921672348198975363e-3",
    "7.218943246663099542395010340446572709905e-3",
    "-1.165167591859065112113971084018388666809e-3",
    "-2.152416741149509728157299630536478064782e-4",
    "1.280502823881161861531986263281643233949e-4",
    "-2.013485478078823865568939142102181838229e-5",
    "-1.250493482142670657345359473833092242323e-6",
    "1.133027231981695882374129620330744943324e-6",
    "-2.056338416977607103450154130020572836513e-7",
    "6.116095104481415817862498682855342867276e-9",
    "5.002007644469222930055665048059991303045e-9",
    "-1.181274570487020144588126565436505577739e-9",
    "1.043426711691100510491540332312250191401e-10",
    "7.782263439905071254049937311360777226068e-12",
    "-3.696805618642205708187815878085766236571e-12",
    "5.100370287454475979015481322863231802727e-13",
    "-2.058326053566506783222429544855237419746e-14",
    "-5.34812253942301798237001731872793994899e-15",
    "1.226778628238260790158893846622422428165e-15",
    "-1.181259301697458769513764586842297831212e-16",
    "1.186692254751600332579777242928674071088e-18",
    "1.412380655318031781555803947566709037086e-18",
    "-2.298745684435370206592478580633699260285e-19",
    "1.714406321927337433383963370267257066813e-20",
    "1.337351730493693114864781395122268022875e-22",
    "-2.054233551766672789325025351355733796682e-22",
    "2.736030048607999844831509904330982014865e-23",
    "-1.73235644591051663905742845156477979907e-24",
    "-2.360619024499287287343450735427531007926e-26",
    "1.864982941717294430718413161878666898946e-26",
    "-2.218095624207197204399716913626860379732e-27",
    "1.297781974947993668824414486330594165619e-28",
    "1.18069747496652840622274541550997151856e-30",
};

struct Series {
    std::array<MXDecimalRecord, kLastTerm + 1> coefficients;
    std::array<double, kLastTerm + 1> magnitudes;
};

const Series& series() {
    static const Series table = [] {
        Series result;
        for (int k = 0; k <= kLastTerm; ++k) {
            result.coefficients[k] = MXDecimalRecordFromString(kCoefficientDigits[k]);
            result.magnitudes[k] = std::fabs(MXDoubleFromDecimal(result.coefficients[k]));
        }
        return result;
    }();
    return table;
}

// The index of the last term that shows for |z| = magnitude.
int lastTerm(const Series& s, double magnitude) {
    int last = 0;
    double power = 1;
    for (int k = 1; k <= kLastTerm; ++k) {
        power *= magnitude;
        if (s.magnitudes[k] * power >= kNegligibleTerm) last = k;
    }
    return last;
}

// 1 / Gamma(1 + z) for |z| <= 1/2.
MXDecimalRecord reciprocalGammaNearOne(MXDecimalRecord z) {
    const Series& s = series();
    const int last = lastTerm(s, std::fabs(MXDoubleFromDecimal(z)));
    MXDecimalRecord sum = s.coefficients[last];
    for (int k = last - 1; k >= 0; --k) sum = MXDecimalAdd(MXDecimalMultiply(sum, z), s.coefficients[k]);
    return sum;
}

}  // namespace

MXDecimalRecord MXDecimalGamma(MXDecimalRecord x) {
    if (x.isNaN) return x;
    MXDecimalRecord nearest;
    MXDecimalRecordRound(&nearest, &x, 0, MXRoundBankers);
    const MXDecimalRecord z = MXDecimalSubtract(x, nearest);
    if (z.isZero() && (nearest.isZero() || nearest.negative)) return MXDecimalNAN();
    const double shift = MXDoubleFromDecimal(nearest) - 1;  // x = 1 + z + shift
    if (shift > kLargestShift) return MXDecimalNAN();
    if (shift < -kLargestShift) return MXDecimalZero();
    const int steps = static_cast<int>(shift);
    const MXDecimalRecord reciprocal = reciprocalGammaNearOne(z);
    const MXDecimalRecord one = MXDecimalOne();
    if (steps >= 0) {
        MXDecimalRecord product = one;
        MXDecimalRecord factor = x;
        for (int i = 0; i < steps; ++i) {
            factor = MXDecimalSubtract(factor, one);
            product = MXDecimalMultiply(product, factor);
        }
        return MXDecimalDivide(product, reciprocal);
    }
    MXDecimalRecord divisor = reciprocal;
    MXDecimalRecord factor = x;
    for (int i = 0; i < -steps; ++i) {
        divisor = MXDecimalMultiply(divisor, factor);
        factor = MXDecimalAdd(factor, one);
    }
    // A divisor beyond the range leaves a result below it.
    return divisor.isNaN ? MXDecimalZero() : MXDecimalInverse(divisor);
}
