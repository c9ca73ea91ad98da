// Decimal records from and to doubles and 64-bit integers.
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/decimal/MXDecimalRecord.h"
#include "platform/decimal/MXDecimalRounding.h"

using namespace mxcalc::detail;

namespace {

MXDecimalRecord fromMagnitude(uint64_t magnitude, bool negative) {
    MXDecimalRecord r;
    finishSmall(&r, magnitude, 0, negative, MXRoundBankers);
    return r;
}

// Doubles hold powers of ten exactly up to 10^22.
constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

MXDecimalRecord MXDecimalRecordFromDouble(double value) {
    if (!std::isfinite(value)) return MXDecimalRecord::notANumber();
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    return MXDecimalRecordFromString(std::string_view(buffer, size_t(end - buffer)));
}

double MXDecimalRecordToDouble(const MXDecimalRecord& value) {
    if (!isUsable(value)) return std::numeric_limits<double>::quiet_NaN();
    const int exponent = value.exponent;
    double magnitude;
    if (value.mantissa < (u128(1) << 53) && exponent >= -22 && exponent <= 22) {
        // Both operands exact: one correctly rounded operation.
        const double m = double(uint64_t(value.mantissa));
        magnitude = exponent >= 0 ? m * kExactPow10[exponent] : m / kExactPow10[-exponent];
    } else {
        // The text "<mantissa>e<exponent>" read back correctly rounded.
        char buffer[64];
        char* p = buffer;
        uint64_t low;
        const uint64_t high = uint64_t(dividePow10(value.mantissa, 19, &low));
        if (high != 0) {
            p = std::to_chars(p, buffer + 24, high).ptr;
            char* lowEnd = p + 19;
            for (char* q = lowEnd; q != p; low /= 10) *--q = char('0' + low % 10);
            p = lowEnd;
        } else {
            p = std::to_chars(p, buffer + 24, low).ptr;
        }
        *p++ = 'e';
        p = std::to_chars(p, buffer + sizeof buffer, exponent).ptr;
        std::from_chars(buffer, p, magnitude);
    }
    return value.negative ? -magnitude : magnitude;
}

MXDecimalRecord MXDecimalRecordFromInt64(int64_t value) {
    return fromMagnitude(value < 0 ? 0 - uint64_t(value) : uint64_t(value), value < 0);
}

MXDecimalRecord MXDecimalRecordFromUInt64(uint64_t value) { return fromMagnitude(value, false); }

uint64_t MXDecimalRecordToUInt64(const MXDecimalRecord& value) {
    if (!isUsable(value) || value.mantissa == 0) return 0;
    const int exponent = value.exponent;
    u128 whole;
    if (exponent >= 0) {
        if (digitCount(value.mantissa) + exponent > 20) return 0;
        whole = value.mantissa * kPow10[exponent];
    } else {
        if (-exponent > kDigits) return 0;
        whole = value.mantissa / kPow10[-exponent];
    }
    if (whole > std::numeric_limits<uint64_t>::max()) return 0;
    return value.negative ? 0 - uint64_t(whole) : uint64_t(whole);
}
