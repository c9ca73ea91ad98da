// e^x and e^x - 1: reduction by a multiple of ln 10 to r with |r| <= 1.25, then by the
// nearest eighth j/8 to s with |s| <= 1/16. With d = e^(j/8) - 1 from a table of
// correctly rounded values and E = e^s - 1 from at most 20 terms of its Taylor series,
// e^r - 1 = d + E + d E: no step subtracts nearly equal values or rounds a number near 1,
// so the result keeps its relative accuracy also near r = 0.
#include "functions/decimal/MXDecimalExponential.h"

#include <array>
#include <cmath>

#include "functions/decimal/MXDecimalDetail.h"

namespace mxcalc::detail {
namespace {

constexpr int kLastTerm = 20;
constexpr int kEighths = 10;        // the table covers j/8 for |j| <= kEighths
constexpr double kCoreBound = 1.25;  // |r| the table reaches
constexpr double kLn10 = 2.302585092994046;
// e^x beyond these leaves the record's range (about 10^-128 to 10^166).
constexpr double kOverflowArgument = 382;
constexpr double kUnderflowArgument = -300;

// e^(j/8) - 1 for j = -kEighths ... kEighths, correctly rounded.
const std::array<MXDecimalRecord, 2 * kEighths + 1>& exponentialsOfEighthsLessOne() {
    static const auto table = [] {
        static const char* const digits[2 * kEighths + 1] = {
            "-0.7134952031398098996751145733521623972068", "-0.6753475326416502702029318625275280080998",
            "-0.6321205588285576784044762298385391325542", "-0.5831379803214915974147028176636076553813",
            "-0.5276334472589852928619534490567320870298", "-0.4647385714810097580433774919779535945665",
            "-0.3934693402873665763962004650088195465581", "-0.3127107212090278014547976608534864095653",
            "-0.2211992169285951317548297330216793527032", "-0.117503097415404597135107856770949263778",
            "0", "0.1331484530668263168290072278117938725655",
            "0.2840254166877414840734205680624364583363", "0.4549914146182013360537936919875185083468",
            "0.6487212707001281468486507878141635716538", "0.868245957432222406501835620188104453115",
            "1.117000016612674668545369819837095610134", "1.398875293967097914691645733716296748285",
            "1.718281828459045235360287471352662497757", "2.080216848918031245004667878777039577059",
            "2.490342957461841376130546029672265482652",
        };
        std::array<MXDecimalRecord, 2 * kEighths + 1> result;
        for (int j = 0; j <= 2 * kEighths; ++j) result[j] = MXDecimalRecordFromString(digits[j]);
        return result;
    }();
    return table;
}

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

// e^s - 1 for |s| <= 1/16.
MXDecimalRecord expm1Series(MXDecimalRecord s) {
    const auto& coefficients = reciprocalFactorials();
    const int terms = termCount(std::fabs(MXDoubleFromDecimal(s)));
    MXDecimalRecord sum = coefficients[terms];
    for (int k = terms - 1; k >= 1; --k) sum = MXDecimalAdd(MXDecimalMultiply(sum, s), coefficients[k]);
    return MXDecimalMultiply(sum, s);
}

// e^r - 1 for |r| <= kCoreBound: with d = e^(j/8) - 1 and E = e^s - 1, d + E + d E.
MXDecimalRecord expm1Core(MXDecimalRecord r) {
    const int j = static_cast<int>(std::lround(MXDoubleFromDecimal(r) * 8));
    if (j == 0) return expm1Series(r);
    const MXDecimalRecord eighths = MXDecimalFromParts(static_cast<uint64_t>(125 * std::abs(j)), -3);
    const MXDecimalRecord rest = expm1Series(MXDecimalSubtract(r, MXDecimalWithSign(eighths, j < 0)));
    const MXDecimalRecord d = exponentialsOfEighthsLessOne()[j + kEighths];
    return MXDecimalAdd(d, MXDecimalAdd(rest, MXDecimalMultiply(d, rest)));
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
    const MXDecimalRecord scaled = MXDecimalMultiply(MXDecimalAdd(MXDecimalOne(), expm1Core(r)), factor);
    return MXDecimalScaledByPowerOfTen(scaled, tens);
}

MXDecimalRecord MXDecimalExpm1(MXDecimalRecord x) {
    if (x.isNaN) return x;
    if (std::fabs(MXDoubleFromDecimal(x)) <= kCoreBound) return expm1Core(x);
    return MXDecimalSubtract(::MXDecimalExp(x), MXDecimalOne());
}

}  // namespace mxcalc::detail

MXDecimalRecord MXDecimalExp(MXDecimalRecord x) { return mxcalc::detail::MXDecimalScaledExp(x, MXDecimalOne()); }
