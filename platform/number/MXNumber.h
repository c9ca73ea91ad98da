#pragma once
// The platform number object: a double, a signed or unsigned 64-bit integer, a 32-bit
// integer (truth values) or a 38-digit decimal. Immutable value type.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/decimal/MXDecimalRecord.h"

enum class MXNumberKind { Double, Int64, UInt64, Int32, Decimal };

class MXNumber {
public:
    MXNumber() : MXNumber(0.0) {}
    explicit MXNumber(double value) : kind_(MXNumberKind::Double) { value_.d = value; }

    static MXNumber numberWithDouble(double value) { return MXNumber(value); }
    static MXNumber numberWithLongLong(int64_t value);
    static MXNumber numberWithUnsignedLongLong(uint64_t value);
    static MXNumber numberWithInt(int32_t value);
    static MXNumber numberWithBool(bool value) { return numberWithInt(value ? 1 : 0); }
    static MXNumber numberWithDecimal(const MXDecimalRecord& value);

    MXNumberKind kind() const { return kind_; }
    bool isDecimal() const { return kind_ == MXNumberKind::Decimal; }

    double doubleValue() const;
    // Truncate toward zero; NaN gives 0, values beyond the range saturate to its ends.
    int64_t integerValue() const { return longLongValue(); }
    int64_t longLongValue() const;
    // Truncate toward zero. Doubles and decimals: NaN and negative values give 0, values
    // beyond the range UINT64_MAX. Signed integers wrap as two's complement.
    uint64_t unsignedIntegerValue() const;
    bool boolValue() const;
    // A double converts through its shortest digits.
    MXDecimalRecord decimalValue() const;

    // Numeric order across kinds: -1, 0 or 1; two decimals compare exactly.
    // Not-a-number is equal to itself and smaller than every number.
    int compare(const MXNumber& other) const;
    bool isEqualToNumber(const MXNumber& other) const { return compare(other) == 0; }
    bool operator==(const MXNumber& other) const { return isEqualToNumber(other); }
    // Consistent with isEqualToNumber.
    size_t hash() const;

    // Doubles: shortest round-trip text (5, 0.1, 1e-09, 1e+100, inf, -inf, nan);
    // integers as integers; decimals as plain numerals ("NaN" for not-a-number).
    std::u16string description() const;
    std::u16string stringValue() const { return description(); }

private:
    MXNumberKind kind_;
    union Value {
        double d;
        int64_t i64;
        uint64_t u64;
        int32_t i32;
        MXDecimalRecord decimal;
        Value() : d(0) {}
    } value_;
};
