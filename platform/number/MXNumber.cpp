#include "platform/number/MXNumber.h"

#include "platform/number/MXDoubleText.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <limits>

namespace {
constexpr long double kInt64Limit = 9223372036854775808.0L;    // 2^63
constexpr long double kUInt64Limit = 18446744073709551616.0L;  // 2^64


int compareDoubles(long double left, long double right) {
    const bool leftNaN = std::isnan(left);
    const bool rightNaN = std::isnan(right);
    if (leftNaN || rightNaN) return leftNaN == rightNaN ? 0 : (leftNaN ? -1 : 1);
    return left < right ? -1 : (left > right ? 1 : 0);
}

int64_t saturatingInt64(double value) {
    if (std::isnan(value)) return 0;
    if (value >= kInt64Limit) return std::numeric_limits<int64_t>::max();
    if (value < -kInt64Limit) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}

uint64_t saturatingUInt64(double value) {
    if (std::isnan(value) || value <= -1.0) return 0;
    if (value >= kUInt64Limit) return std::numeric_limits<uint64_t>::max();
    return static_cast<uint64_t>(value);
}

std::u16string asciiText(const char* begin, const char* end) { return std::u16string(begin, end); }
}  // namespace

MXNumber MXNumber::numberWithLongLong(int64_t value) {
    MXNumber number;
    number.kind_ = MXNumberKind::Int64;
    number.value_.i64 = value;
    return number;
}

MXNumber MXNumber::numberWithUnsignedLongLong(uint64_t value) {
    MXNumber number;
    number.kind_ = MXNumberKind::UInt64;
    number.value_.u64 = value;
    return number;
}

MXNumber MXNumber::numberWithInt(int32_t value) {
    MXNumber number;
    number.kind_ = MXNumberKind::Int32;
    number.value_.i32 = value;
    return number;
}

MXNumber MXNumber::numberWithDecimal(const MXDecimalRecord& value) {
    MXNumber number;
    number.kind_ = MXNumberKind::Decimal;
    number.value_.decimal = value;
    return number;
}

double MXNumber::doubleValue() const {
    switch (kind_) {
        case MXNumberKind::Double: return value_.d;
        case MXNumberKind::Int64: return static_cast<double>(value_.i64);
        case MXNumberKind::UInt64: return static_cast<double>(value_.u64);
        case MXNumberKind::Int32: return value_.i32;
        case MXNumberKind::Decimal: return MXDecimalRecordToDouble(value_.decimal);
    }
    return 0;
}

int64_t MXNumber::longLongValue() const {
    switch (kind_) {
        case MXNumberKind::Int64: return value_.i64;
        case MXNumberKind::UInt64: return static_cast<int64_t>(value_.u64);
        case MXNumberKind::Int32: return value_.i32;
        case MXNumberKind::Double: return saturatingInt64(value_.d);
        case MXNumberKind::Decimal: break;
    }
    const MXDecimalRecord& decimal = value_.decimal;
    if (decimal.isNaN) return 0;
    const double approximate = MXDecimalRecordToDouble(decimal);
    if (std::fabs(approximate) >= 9.2e18) return saturatingInt64(approximate);
    MXDecimalRecord magnitude = decimal;
    magnitude.negative = false;
    const auto whole = static_cast<int64_t>(MXDecimalRecordToUInt64(magnitude));
    return decimal.negative ? -whole : whole;
}

uint64_t MXNumber::unsignedIntegerValue() const {
    switch (kind_) {
        case MXNumberKind::Int64: return static_cast<uint64_t>(value_.i64);
        case MXNumberKind::UInt64: return value_.u64;
        case MXNumberKind::Int32: return static_cast<uint64_t>(static_cast<int64_t>(value_.i32));
        case MXNumberKind::Double: return saturatingUInt64(value_.d);
        case MXNumberKind::Decimal: break;
    }
    const MXDecimalRecord& decimal = value_.decimal;
    if (decimal.isNaN || decimal.negative) return 0;
    const double approximate = MXDecimalRecordToDouble(decimal);
    if (approximate >= 1.8e19) return saturatingUInt64(approximate);
    return MXDecimalRecordToUInt64(decimal);
}

bool MXNumber::boolValue() const {
    switch (kind_) {
        case MXNumberKind::Double: return value_.d != 0;
        case MXNumberKind::Int64: return value_.i64 != 0;
        case MXNumberKind::UInt64: return value_.u64 != 0;
        case MXNumberKind::Int32: return value_.i32 != 0;
        case MXNumberKind::Decimal: return !value_.decimal.isZero();
    }
    return false;
}

MXDecimalRecord MXNumber::decimalValue() const {
    switch (kind_) {
        case MXNumberKind::Decimal: return value_.decimal;
        case MXNumberKind::Double: return MXDecimalRecordFromDouble(value_.d);
        case MXNumberKind::Int64: return MXDecimalRecordFromInt64(value_.i64);
        case MXNumberKind::UInt64: return MXDecimalRecordFromUInt64(value_.u64);
        case MXNumberKind::Int32: return MXDecimalRecordFromInt64(value_.i32);
    }
    return {};
}

int MXNumber::compare(const MXNumber& other) const {
    if (isDecimal() || other.isDecimal()) {
        const MXDecimalRecord left = decimalValue();
        const MXDecimalRecord right = other.decimalValue();
        return MXDecimalRecordCompare(&left, &right);
    }
    const bool leftInteger = kind_ != MXNumberKind::Double;
    const bool rightInteger = other.kind_ != MXNumberKind::Double;
    if (leftInteger && rightInteger) {
        auto wide = [](const MXNumber& n) -> __int128 {
            return n.kind_ == MXNumberKind::UInt64 ? static_cast<__int128>(n.value_.u64)
                                                   : static_cast<__int128>(n.longLongValue());
        };
        const __int128 left = wide(*this);
        const __int128 right = wide(other);
        return left < right ? -1 : (left > right ? 1 : 0);
    }
    // long double holds every 64-bit integer and every double exactly.
    auto extended = [](const MXNumber& n) -> long double {
        switch (n.kind_) {
            case MXNumberKind::Double: return n.value_.d;
            case MXNumberKind::UInt64: return static_cast<long double>(n.value_.u64);
            default: return static_cast<long double>(n.longLongValue());
        }
    };
    return compareDoubles(extended(*this), extended(other));
}

size_t MXNumber::hash() const {
    double value = doubleValue();
    if (std::isnan(value)) return 0x7ff8;
    if (value == 0) value = 0;  // -0 and 0 are equal
    return std::hash<double>{}(value);
}

std::u16string MXNumber::description() const {
    char buffer[64];
    switch (kind_) {
        case MXNumberKind::Decimal: {
            const std::string text = MXDecimalRecordToString(value_.decimal);
            return std::u16string(text.begin(), text.end());
        }
        case MXNumberKind::Double: {
            const std::string text = MXDoubleReprText(value_.d);
            return std::u16string(text.begin(), text.end());
        }
        case MXNumberKind::UInt64: {
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, value_.u64);
            return asciiText(buffer, result.ptr);
        }
        default: {
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, longLongValue());
            return asciiText(buffer, result.ptr);
        }
    }
}
