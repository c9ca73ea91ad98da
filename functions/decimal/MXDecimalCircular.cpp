// Sine, cosine, tangent and their reciprocals: Taylor series on the argument reduced into
// (-pi, pi], 22 terms each, ending early when a power or a division underflows,
// overflows or divides by zero.
#include <array>

#include "functions/decimal/MXDecimalDetail.h"

namespace {

constexpr int kSeriesTerms = 22;
constexpr int kLastPower = 45;
constexpr int kTangentCosinePlaces = 34;
// A reduced argument beyond this means the argument was too large for a 38-digit 2 pi to
// reduce it (about 10^37 and above); its sine and cosine are then unknown.
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

MXDecimalRecord reducedArgument(MXDecimalRecord x) {
    const MXDecimalRecord reduced = MXDecimalMod2Pi(x);
    const MXDecimalRecord bound = MXDecimalFromInteger(kLargestReducedArgument);
    return detail::MXDecimalCompare(detail::MXDecimalMagnitude(reduced), bound) == 1 ? MXDecimalNAN()
                                                                                     : reduced;
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

}  // namespace

MXDecimalRecord MXDecimalSin(MXDecimalRecord x) {
    x = reducedArgument(x);
    return alternatingSeries(x, x, 3);
}

MXDecimalRecord MXDecimalCos(MXDecimalRecord x) {
    return alternatingSeries(reducedArgument(x), MXDecimalOne(), 2);
}

MXDecimalRecord MXDecimalTan(MXDecimalRecord x) {
    const MXDecimalRecord cosine = MXDecimalCos(x);
    MXDecimalRecord rounded;
    MXDecimalRecordRound(&rounded, &cosine, kTangentCosinePlaces, MXRoundBankers);
    return MXDecimalDivide(MXDecimalSin(x), rounded);
}

MXDecimalRecord MXDecimalCsc(MXDecimalRecord x) { return MXDecimalInverse(MXDecimalSin(x)); }

MXDecimalRecord MXDecimalSec(MXDecimalRecord x) { return MXDecimalInverse(MXDecimalCos(x)); }

MXDecimalRecord MXDecimalCot(MXDecimalRecord x) { return MXDecimalInverse(MXDecimalTan(x)); }
