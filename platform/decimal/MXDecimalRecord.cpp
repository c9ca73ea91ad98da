// The not-a-number record, comparison and rounding to a number of decimal places.
#include "platform/decimal/MXDecimalRecord.h"

#include "platform/decimal/MXDecimalRounding.h"

using namespace mxcalc::detail;

MXDecimalRecord MXDecimalRecord::notANumber() {
    MXDecimalRecord r;
    r.isNaN = true;
    return r;
}

namespace {

int signum(const MXDecimalRecord& r) { return r.mantissa == 0 ? 0 : r.negative ? -1 : 1; }

// Compares |a| and |b| for non-zero mantissas.
int compareMagnitudes(const MXDecimalRecord& a, const MXDecimalRecord& b) {
    if (a.exponent == b.exponent) return a.mantissa == b.mantissa ? 0 : a.mantissa < b.mantissa ? -1 : 1;
    const int da = digitCount(a.mantissa), db = digitCount(b.mantissa);
    const int topA = a.exponent + da, topB = b.exponent + db;
    if (topA != topB) return topA < topB ? -1 : 1;
    // Same leading position: align the one with the larger exponent (same digit count after).
    const u128 x = a.exponent > b.exponent ? a.mantissa * kPow10[a.exponent - b.exponent] : a.mantissa;
    const u128 y = b.exponent > a.exponent ? b.mantissa * kPow10[b.exponent - a.exponent] : b.mantissa;
    return x == y ? 0 : x < y ? -1 : 1;
}

}  // namespace

int MXDecimalRecordCompare(const MXDecimalRecord* left, const MXDecimalRecord* right) {
    const bool leftNaN = !isUsable(*left), rightNaN = !isUsable(*right);
    if (leftNaN || rightNaN) return leftNaN == rightNaN ? 0 : leftNaN ? -1 : 1;
    const int sl = signum(*left), sr = signum(*right);
    if (sl != sr) return sl < sr ? -1 : 1;
    if (sl == 0) return 0;
    const int order = compareMagnitudes(*left, *right);
    return sl > 0 ? order : -order;
}

void MXDecimalRecordRound(MXDecimalRecord* result, const MXDecimalRecord* value, int scale,
                          MXRoundingMode mode) {
    checkMode(mode);
    if (!isUsable(*value)) {
        *result = MXDecimalRecord::notANumber();
        return;
    }
    if (value->mantissa == 0) {
        *result = MXDecimalRecord{};
        return;
    }
    const int64_t quantum = std::max<int64_t>(-int64_t(scale), kMinExponent);
    finish(result, U256::from(value->mantissa), value->exponent, Rest::Exact, value->negative, mode, quantum);
}
