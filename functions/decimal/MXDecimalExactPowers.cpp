// Exact checks behind the results that must come out exact: 4^0.5 = 2, log2(1024) = 10.
// An approximation correct to about 37 digits cannot tell 2 from 1.99...9; an exact
// identity between integer powers can.
#include "functions/decimal/MXDecimalDetail.h"

namespace mxcalc::detail {
namespace {

// Closer than this (relative) to a short number, an approximation may stand for it.
MXDecimalRecord neighbourTolerance() { return MXDecimalFromParts(1, -35); }

std::optional<MXDecimalRecord> exactPower(MXDecimalRecord base, uint64_t n) {
    MXDecimalRecord result;
    if (MXDecimalRecordPower(&result, &base, n, MXRoundBankers) != MXCalculationNoError || result.isNaN) {
        return std::nullopt;
    }
    return result;
}

}  // namespace

int MXDecimalLeadingExponent(MXDecimalRecord x) {
    int digits = 1;
    for (unsigned __int128 limit = 10; x.mantissa >= limit && digits < 38; limit *= 10) ++digits;
    return x.exponent + digits - 1;
}

MXDecimalRecord MXDecimalRoundedToDigits(MXDecimalRecord x, int digits) {
    MXDecimalRecord rounded;
    MXDecimalRecordRound(&rounded, &x, digits - 1 - MXDecimalLeadingExponent(x), MXRoundBankers);
    return rounded;
}

bool MXDecimalPowersAgree(MXDecimalRecord a, uint64_t m, MXDecimalRecord b, int64_t n) {
    const uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    const std::optional<MXDecimalRecord> left = exactPower(a, m);
    const std::optional<MXDecimalRecord> right = exactPower(b, magnitude);
    if (!left || !right) return false;
    if (n >= 0) return MXDecimalCompare(*left, *right) == 0;
    MXDecimalRecord product;
    return MXDecimalRecordMultiply(&product, &*left, &*right, MXRoundBankers) == MXCalculationNoError &&
           MXDecimalCompare(product, MXDecimalOne()) == 0;
}

std::optional<MXDecimalRecord> MXDecimalShortNeighbour(MXDecimalRecord x, int digits) {
    if (x.isNaN || x.isZero()) return std::nullopt;
    const MXDecimalRecord rounded = MXDecimalRoundedToDigits(x, digits);
    const MXDecimalRecord distance = MXDecimalMagnitude(MXDecimalSubtract(x, rounded));
    const MXDecimalRecord bound = MXDecimalMultiply(MXDecimalMagnitude(x), neighbourTolerance());
    if (MXDecimalCompare(distance, bound) != -1) return std::nullopt;
    return rounded;
}

}  // namespace mxcalc::detail
