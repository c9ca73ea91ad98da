// Powers with any exponent, and roots.
//
// x^y for x > 0 is x^n x x^f with n = trunc(y) and f = y - n in (-1, 1). x^n is an exact
// integer power rounded once; it lies between 1 and x^y, so it stays within the range
// whenever the result does. x^f is 10^(f e) m^f for x = m 10^e with m in [0.3, 3.2]: f e
// is split exactly into an integer K and a rest g, so that the exponential only sees
// g ln 10 + f ln m, below 2.4 in magnitude, where 38 digits leave an absolute error near
// 10^-37. (e^(y ln x) taken directly would need y ln x, up to 380, to 40 digits.) An
// exponent of 10^18 or more leaves a result within the range only for x within 10^-15 of
// 1, where ln x comes from its series.
//
// A root with an integer index n is refined by one Newton step on the exact power r^n.
// Results that are exact are made so: when the result lies next to a short number c with
// c^q = x^p exactly (y = p/q, or q the root's index), c is the result.
#include <algorithm>
#include <cmath>

#include "functions/decimal/MXDecimalDetail.h"
#include "functions/decimal/MXDecimalExponential.h"

namespace {

// From here on the integer part of an exponent would not fit 64 bits.
constexpr double kHugeExponent = 1e18;
// Positive integer exponents below this take the exact power.
constexpr double kLargestWholeExponent = 1.8e19;
// Below this distance from 1, three terms of the series of ln x are exact to 45 digits,
// and x - 1 has at most 23 digits.
constexpr double kNearOne = 1e-15;
constexpr int kLeadingDigits = 15;
// f rounded to this many digits times an exponent e (|e| < 1000) is exact.
constexpr int kSplitDigits = 34;
// Exponents p/q and root indexes q up to this are checked for exact results.
constexpr uint64_t kLargestDenominator = 1000;
constexpr uint64_t kLargestNumerator = uint64_t(1) << 62;
// A result beyond 10^±200 is not-a-number or 0 either way; the scaling stays within its reach.
constexpr int kLargestScale = 200;
// Root indexes up to this have their radicand scaled into [1, 10^index).
constexpr uint64_t kLargestRootScale = 120;
constexpr int kMantissaDigits = 38;

MXDecimalRecord half() { return mxcalc::detail::MXDecimalHalf(); }

bool isOddInteger(MXDecimalRecord y) { return y.exponent == 0 && (y.mantissa & 1) != 0; }

MXDecimalRecord truncated(MXDecimalRecord y) {
    MXDecimalRecord whole;
    MXDecimalRecordRound(&whole, &y, 0, y.negative ? MXRoundUp : MXRoundDown);
    return whole;
}

MXDecimalRecord scaled(MXDecimalRecord x, int tens) {
    return mxcalc::detail::MXDecimalScaledByPowerOfTen(x, std::clamp(tens, -kLargestScale, kLargestScale));
}

// x^n for x > 0 and |n| < 2^63. A negative power is 1 / (x^a x^a x^b) with a = ceil(|n| / 3):
// x^|n| itself may fall below the range where x^n does not, but then x^a and x^b lie
// within 10^83 of 1.
MXDecimalRecord integerPower(MXDecimalRecord x, int64_t n) {
    MXDecimalRecord result;
    if (n >= 0) {
        MXDecimalRecordPower(&result, &x, static_cast<uint64_t>(n), MXRoundBankers);
        return result;
    }
    const uint64_t magnitude = 0 - static_cast<uint64_t>(n);
    if (magnitude == 1) return MXDecimalInverse(x);
    const uint64_t third = (magnitude + 2) / 3;
    MXDecimalRecord part, rest;
    MXDecimalRecordPower(&part, &x, third, MXRoundBankers);
    MXDecimalRecordPower(&rest, &x, magnitude - 2 * third, MXRoundBankers);
    // A part beyond the range puts the result far below it.
    if (part.isNaN || rest.isNaN) return MXDecimalZero();
    return MXDecimalDivide(MXDecimalDivide(MXDecimalInverse(part), part), rest);
}

// x^f = factor x 10^tens for x > 0 and |f| < 1.
struct ScaledValue {
    MXDecimalRecord factor;
    int tens = 0;
};

ScaledValue fractionalPower(MXDecimalRecord x, MXDecimalRecord f) {
    const int e = static_cast<int>(std::lround(std::log10(MXDoubleFromDecimal(x))));
    const MXDecimalRecord m = mxcalc::detail::MXDecimalScaledByPowerOfTen(x, -e);
    const MXDecimalRecord fLnM = MXDecimalMultiply(f, MXDecimalLn(m));
    if (e == 0) return {MXDecimalExp(fLnM), 0};
    // f e = K + g with |g| <= 1/2: f = high + low, high e and low e are exact.
    const MXDecimalRecord high = mxcalc::detail::MXDecimalRoundedToDigits(f, kSplitDigits);
    const MXDecimalRecord low = MXDecimalSubtract(f, high);
    const MXDecimalRecord exponent = MXDecimalFromInteger(e);
    const MXDecimalRecord highTimesE = MXDecimalMultiply(high, exponent);
    MXDecimalRecord k;
    MXDecimalRecordRound(&k, &highTimesE, 0, MXRoundBankers);
    const MXDecimalRecord g =
        MXDecimalAdd(MXDecimalSubtract(highTimesE, k), MXDecimalMultiply(low, exponent));
    const MXDecimalRecord t = MXDecimalAdd(MXDecimalMultiply(g, MXDecimalLn10()), fLnM);
    return {MXDecimalExp(t), static_cast<int>(MXDoubleFromDecimal(k))};
}

// x^y for x > 0 and |y| >= kHugeExponent. Away from 1 the result is far beyond the range,
// and any ln x shows it. For x = 1 + d near 1, ln x = d + c with c = d^2 (d/3 - 1/2), and
// y ln x = y1 d + r, where y1 is y cut to kLeadingDigits digits so that y1 d is exact and
// r = (y - y1) d + y c is tiny: x^y = e^(y1 d) (1 + (e^r - 1)).
MXDecimalRecord hugeExponentPower(MXDecimalRecord x, MXDecimalRecord y) {
    const MXDecimalRecord d = MXDecimalSubtract(x, MXDecimalOne());
    if (std::fabs(MXDoubleFromDecimal(d)) >= kNearOne) return MXDecimalExp(MXDecimalMultiply(y, MXDecimalLn(x)));
    const MXDecimalRecord third = MXDecimalDivide(d, MXDecimalFromInteger(3));
    const MXDecimalRecord c = MXDecimalMultiply(MXDecimalMultiply(d, d), MXDecimalSubtract(third, half()));
    const MXDecimalRecord leading = mxcalc::detail::MXDecimalRoundedToDigits(y, kLeadingDigits);
    const MXDecimalRecord r =
        MXDecimalAdd(MXDecimalMultiply(MXDecimalSubtract(y, leading), d), MXDecimalMultiply(y, c));
    const MXDecimalRecord growth = MXDecimalExp(MXDecimalMultiply(leading, d));
    return MXDecimalAdd(growth, MXDecimalMultiply(growth, mxcalc::detail::MXDecimalExpm1(r)));
}

MXDecimalRecord positivePower(MXDecimalRecord x, MXDecimalRecord y) {
    if (std::fabs(MXDoubleFromDecimal(y)) >= kHugeExponent) return hugeExponentPower(x, y);
    const MXDecimalRecord whole = truncated(y);
    const auto count = static_cast<int64_t>(MXUIntegerFromDecimal(mxcalc::detail::MXDecimalMagnitude(whole)));
    const int64_t n = whole.negative ? -count : count;
    const MXDecimalRecord wholePower = integerPower(x, n);
    const MXDecimalRecord f = MXDecimalSubtract(y, whole);
    if (f.isZero() || wholePower.isNaN || wholePower.isZero()) return wholePower;
    const int lead = mxcalc::detail::MXDecimalLeadingExponent(wholePower);
    const ScaledValue rest = fractionalPower(x, f);
    const MXDecimalRecord normalized = mxcalc::detail::MXDecimalScaledByPowerOfTen(wholePower, -lead);
    const MXDecimalRecord product = MXDecimalMultiply(normalized, rest.factor);
    return scaled(product, lead + rest.tens);
}

// The short number next to `result` whose q-th power is exactly x^p, else `result`.
MXDecimalRecord exactWherePossible(MXDecimalRecord result, MXDecimalRecord x, uint64_t p, bool negativeP, uint64_t q) {
    if (q > kLargestDenominator || p > kLargestNumerator) return result;
    const int digits = std::max<int>(1, kMantissaDigits / static_cast<int>(q));
    const std::optional<MXDecimalRecord> candidate = mxcalc::detail::MXDecimalShortNeighbour(result, digits);
    const int64_t power = negativeP ? -static_cast<int64_t>(p) : static_cast<int64_t>(p);
    if (candidate && mxcalc::detail::MXDecimalPowersAgree(*candidate, q, x, power)) return *candidate;
    return result;
}

// x^y for x > 0, exact where the result is a short number: y = mantissa / 10^places is
// p / q in lowest terms, q being 2^i 5^j.
MXDecimalRecord exactPositivePower(MXDecimalRecord x, MXDecimalRecord y) {
    const MXDecimalRecord result = positivePower(x, y);
    const int places = -y.exponent;
    if (places <= 0 || places > kMantissaDigits || result.isNaN || result.isZero()) return result;
    unsigned __int128 p = y.mantissa;
    unsigned __int128 q = 1;
    for (int i = 0; i < places; ++i) q *= 10;
    for (const unsigned factor : {2u, 5u}) {
        while (p % factor == 0 && q % factor == 0) {
            p /= factor;
            q /= factor;
        }
    }
    if (q > kLargestDenominator || p > kLargestNumerator) return result;
    return exactWherePossible(result, x, static_cast<uint64_t>(p), y.negative, static_cast<uint64_t>(q));
}

// The n-th root of x > 0 for an integer n >= 2. Written as x = y 10^(n k) with y in
// [1, 10^n), the root is that of y times 10^k, and r^n of the Newton step keeps all its
// digits also for x below 10^-91.
MXDecimalRecord integerRoot(MXDecimalRecord x, MXDecimalRecord n) {
    // For such indexes the root is 1 + ln x / n to the last digit.
    if (MXDoubleFromDecimal(n) >= kHugeExponent) return MXDecimalExp(MXDecimalDivide(MXDecimalLn(x), n));
    const uint64_t count = MXUIntegerFromDecimal(n);
    const int lead = mxcalc::detail::MXDecimalLeadingExponent(x);
    const auto index = static_cast<int>(std::min(count, kLargestRootScale));
    const int k = count > kLargestRootScale ? 0 : (lead >= 0 ? lead / index : -((index - 1 - lead) / index));
    const MXDecimalRecord y = mxcalc::detail::MXDecimalScaledByPowerOfTen(x, -k * index);
    const MXDecimalRecord guess = MXDecimalExp(MXDecimalDivide(MXDecimalLn(y), n));
    MXDecimalRecord power;
    MXDecimalRecordPower(&power, &guess, count, MXRoundBankers);
    // r + r (y - r^n) / (n r^n)
    const MXDecimalRecord step = MXDecimalDivide(MXDecimalSubtract(y, power), MXDecimalMultiply(power, n));
    const MXDecimalRecord root = MXDecimalAdd(guess, MXDecimalMultiply(guess, step));
    return mxcalc::detail::MXDecimalScaledByPowerOfTen(exactWherePossible(root, y, 1, false, count), k);
}

}  // namespace

MXDecimalRecord MXDecimalPower(MXDecimalRecord base, MXDecimalRecord exponent) {
    if (exponent.isZero()) return MXDecimalOne();
    if (base.isNaN || exponent.isNaN) return MXDecimalNAN();
    if (!exponent.negative && MXDecimalIsInteger(exponent) && MXDoubleFromDecimal(exponent) < kLargestWholeExponent) {
        MXDecimalRecord result;
        MXDecimalRecordPower(&result, &base, MXUIntegerFromDecimal(exponent), MXRoundBankers);
        return result;
    }
    if (base.isZero()) return exponent.negative ? MXDecimalNAN() : base;
    if (!base.negative) return exactPositivePower(base, exponent);
    if (!MXDecimalIsInteger(exponent)) return MXDecimalNAN();
    const MXDecimalRecord magnitude = positivePower(mxcalc::detail::MXDecimalMagnitude(base), exponent);
    return mxcalc::detail::MXDecimalWithSign(magnitude, isOddInteger(exponent));
}

MXDecimalRecord MXDecimalRoot(MXDecimalRecord x, MXDecimalRecord index) {
    if (x.isNaN || index.isNaN) return MXDecimalNAN();
    const bool integerIndex = MXDecimalIsInteger(index) &&
                              mxcalc::detail::MXDecimalCompare(mxcalc::detail::MXDecimalMagnitude(index), MXDecimalTwo()) != -1;
    if (!integerIndex || x.negative) return MXDecimalPower(x, MXDecimalInverse(index));
    if (x.isZero()) return index.negative ? MXDecimalNAN() : x;
    const MXDecimalRecord root = integerRoot(x, mxcalc::detail::MXDecimalMagnitude(index));
    return index.negative ? MXDecimalInverse(root) : root;
}
