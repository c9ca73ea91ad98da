// Decimal records from and to text.
#include "platform/decimal/MXDecimalRecord.h"
#include "platform/decimal/MXDecimalRounding.h"

using namespace mxcalc::detail;

namespace {

// Exponent digits beyond this value cannot change the outcome (overflow or underflow).
constexpr int64_t kExponentCap = 1000000000;

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }

// The first 38 significant digits, the digit after them and whether any later one is non-zero.
struct Significand {
    uint64_t high = 0, low = 0;  // first 19 digits, then up to 19 more
    int count = 0;
    int lowCount = 0;
    int roundDigit = 0;
    bool sticky = false;

    // Returns false when the digit is beyond the 38 kept ones.
    bool push(unsigned digit) {
        if (count < kDigits) {
            if (count++ < 19) {
                high = high * 10 + digit;
            } else {
                low = low * 10 + digit;
                ++lowCount;
            }
            return true;
        }
        if (count == kDigits) {
            roundDigit = int(digit);
            ++count;
        } else {
            sticky |= digit != 0;
        }
        return false;
    }
    u128 mantissa() const { return u128(high) * uint64_t(kPow10[lowCount]) + low; }
    Rest rest() const {
        if (roundDigit > 5) return Rest::Above;
        if (roundDigit == 5) return sticky ? Rest::Above : Rest::Half;
        return roundDigit == 0 && !sticky ? Rest::Exact : Rest::Below;
    }
};

template <class Char>
MXDecimalRecord parse(const Char* p, const Char* end) {
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    Significand digits;
    int64_t exponent = 0;
    bool sawDigit = false, sawPoint = false;
    for (; p != end; ++p) {
        const char32_t c = char32_t(*p);
        if (c == '.') {
            if (sawPoint) return MXDecimalRecord::notANumber();
            sawPoint = true;
            continue;
        }
        if (!isDigit(c)) break;
        sawDigit = true;
        const unsigned d = unsigned(c - '0');
        if (digits.count == 0 && d == 0) {
            exponent -= sawPoint ? 1 : 0;
        } else if (digits.push(d)) {
            exponent -= sawPoint ? 1 : 0;
        } else {
            exponent += sawPoint ? 0 : 1;
        }
    }
    if (!sawDigit) return MXDecimalRecord::notANumber();
    if (p != end) {
        if (*p != 'e' && *p != 'E') return MXDecimalRecord::notANumber();
        ++p;
        bool negativeExponent = false;
        if (p != end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
        if (p == end) return MXDecimalRecord::notANumber();
        int64_t value = 0;
        for (; p != end; ++p) {
            if (!isDigit(char32_t(*p))) return MXDecimalRecord::notANumber();
            value = std::min(value * 10 + (*p - '0'), kExponentCap);
        }
        exponent += negativeExponent ? -value : value;
    }
    MXDecimalRecord r;
    if (digits.count == 0) return r;
    finish(&r, U256::from(digits.mantissa()), exponent, digits.rest(), negative, MXRoundBankers);
    return r;
}

// Writes the digits of v (at least one) ending just before `end`; returns the first digit.
char* writeDigits(u128 v, char* end) {
    do {
        uint64_t chunk;
        v = dividePow10(v, 19, &chunk);
        for (int i = 0; i < 19 && (chunk != 0 || v != 0); ++i) {
            *--end = char('0' + chunk % 10);
            chunk /= 10;
        }
    } while (v != 0);
    return end;
}

}  // namespace

MXDecimalRecord MXDecimalRecordFromString(std::string_view text) {
    return parse(text.data(), text.data() + text.size());
}

MXDecimalRecord MXDecimalRecordFromString(std::u16string_view text) {
    return parse(text.data(), text.data() + text.size());
}

std::string MXDecimalRecordToString(const MXDecimalRecord& value) {
    if (!isUsable(value)) return "NaN";
    if (value.mantissa == 0) return "0";
    char buffer[48];
    char* end = buffer + sizeof buffer;
    const char* first = writeDigits(value.mantissa, end);
    const std::string_view digits(first, size_t(end - first));
    const int exponent = value.exponent;
    std::string text = value.negative ? "-" : "";
    if (exponent >= 0) {
        text.append(digits).append(size_t(exponent), '0');
        return text;
    }
    const int whole = int(digits.size()) + exponent;
    if (whole > 0) {
        text.append(digits.substr(0, size_t(whole))).append(".").append(digits.substr(size_t(whole)));
    } else {
        text.append("0.").append(size_t(-whole), '0').append(digits);
    }
    return text;
}
