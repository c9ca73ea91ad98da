// e^x and e^x - 1: reduction by a multiple of ln 10, halvings, a short Taylor series,
// and the doubling rule expm1(2y) = expm1(y) (expm1(y) + 2), which keeps the relative
// error from growing the way repeated squaring of e^y would.
#include "functions/decimal/MXDecimalExponential.h"

#include <array>
#include <cmath>

#include "functions/decimal/MXDecimalDetail.h"

namespace detail {
namespace {

constexpr int kLastTerm = 16;
constexpr double kSeriesBound = 1.0 / 128;  // the series runs on |s| at most this
constexpr double kCoreBound = 1.25;         // |r| the halvings bring within kSeriesBound
constexpr double kLn10 = 2.302585092994046;
// e^x beyond these leaves the record's range (about 10^-128 to 10^166).
constexpr double kOverflowArgument = 382;
constexpr double kUnderflowArgument = -300;

// 1/k! for k = 0 ... kLastTerm.
const std::array<MXDecimalRecord, kLastTerm + 1>& reciprocalFactorials() {
    static const auto table = [] {
        std::array<MXDecimalRecord, kLastTerm + 1> result;
        MXDecimalRecord factorial = MXDecimalOne();
        for (int k = 0; k <= kLastTerm; ++k) {
            if (k > 1) factorial = MXDecimalMultiply(factorial, MXDecimalFromInteger(k));
            result[k] = MXDecimalInverse(factorial);
        }
        return result;
    }();
    return table;
}

// ln 10 split so that k x high is exact for |k| < 1000 and x - k x high loses nothing.
MXDecimalRecord ln10High() {
    static const MXDecimalRecord value =
        MXDecimalRecordFromString("2.302585092994045684017991454684364");
    return value;
}

MXDecimalRecord ln10Low() {
    static const MXDecimalRecord value =
        MXDecimalRecordFromString("2.076011014886287729760333279009675726097e-34");
    return value;
}

// The number of Taylor terms for |s| = magnitude: the first n with |s|^(n-1)/n! < 10^-40.
int termCount(double magnitude) {
    double term = 1;
    int n = 1;
    while (n < kLastTerm && term >= 1e-40) {
        ++n;
        term *= magnitude / n;
    }
    return n;
}

// 2^-halvings, exactly.
MXDecimalRecord halfPower(int halvings) {
    uint64_t fives = 1;
    for (int i = 0; i < halvings; ++i) fives *= 5;
    return MXDecimalFromParts(fives, -halvings);
}

// e^r - 1 for |r| <= kCoreBound.
MXDecimalRecord expm1Core(MXDecimalRecord r) {
    double magnitude = std::fabs(MXDoubleFromDecimal(r));
    int halvings = 0;
    while (magnitude > kSeriesBound) {
        magnitude /= 2;
        ++halvings;
    }
    const MXDecimalRecord s = halvings > 0 ? MXDecimalMultiply(r, halfPower(halvings)) : r;
    const auto& coefficients = reciprocalFactorials();
    const int terms = termCount(magnitude);
    MXDecimalRecord sum = coefficients[terms];
    for (int k = terms - 1; k >= 1; --k) {
        sum = MXDecimalAdd(MXDecimalMultiply(sum, s), coefficients[k]);
    }
    MXDecimalRecord result = MXDecimalMultiply(sum, s);
    for (; halvings > 0; --halvings) {
        result = MXDecimalMultiply(result, MXDecimalAdd(result, MXDecimalTwo()));
    }
    return result;
}

}  // namespace

MXDecimalRecord MXDecimalScaledExp(MXDecimalRecord x, MXDecimalRecord factor) {
    if (x.isNaN || factor.isNaN) return MXDecimalNAN();
    const double estimate = MXDoubleFromDecimal(x);
    if (estimate > kOverflowArgument) return MXDecimalNAN();
    if (estimate < kUnderflowArgument) return MXDecimalZero();
    const int tens = static_cast<int>(std::lround(estimate / kLn10));
    MXDecimalRecord r = x;
    if (tens != 0) {
        const MXDecimalRecord k = MXDecimalFromInteger(tens);
        r = MXDecimalSubtract(MXDecimalSubtract(x, MXDecimalMultiply(k, ln10High())),
                              MXDecimalMultiply(k, ln10Low()));
    }
    const MXDecimalRecord scaled =
        MXDecimalMultiply(MXDecimalAdd(MXDecimalOne(), expm1Core(r)), factor);
    return MXDecimalScaledByPowerOfTen(scaled, tens);
}

MXDecimalRecord MXDecimalExpm1(MXDecimalRecord x) {
    if (x.isNaN) return x;
    if (std::fabs(MXDoubleFromDecimal(x)) <= kCoreBound) return expm1Core(x);
    return MXDecimalSubtract(::MXDecimalExp(x), MXDecimalOne());
}

}  // namespace detail

MXDecimalRecord MXDecimalExp(MXDecimalRecord x) { return detail::MXDecimalScaledExp(x, MXDecimalOne()); }
