#pragma once
// The 38-digit decimal record: value = (-1)^negative x mantissa x 10^exponent.
//
// The mantissa holds at most 38 significant digits in 128 bits and carries no trailing
// zero digits (1E10 is mantissa 1, exponent 10); zero is the all-zero record. The
// not-a-number record has isNaN set. A plain value type without heap allocation.
//
// Every arithmetic result is the exact result rounded once to 38 significant digits
// in the given rounding mode. Outcomes:
//   - a rounded result reports MXCalculationLossOfPrecision;
//   - a result whose exponent would exceed 127 is not-a-number, MXCalculationOverflow;
//   - a non-zero result too small for exponent -128 is 0, MXCalculationUnderflow;
//   - division by zero is not-a-number, MXCalculationDivideByZero;
//   - any operand that is not-a-number gives not-a-number (MXCalculationNoError).
// Ordering: not-a-number is equal to itself and smaller than every number.
#include <cstdint>
#include <string>
#include <string_view>

struct MXDecimalRecord {
    unsigned __int128 mantissa = 0;
    int8_t exponent = 0;
    bool negative = false;
    bool isNaN = false;

    static MXDecimalRecord notANumber();
    static MXDecimalRecord zero() { return {}; }
    bool isZero() const { return !isNaN && mantissa == 0; }
};

enum MXRoundingMode : int {
    MXRoundPlain = 0,    // nearest, ties away from zero
    MXRoundDown = 1,     // toward negative infinity
    MXRoundUp = 2,       // toward positive infinity
    MXRoundBankers = 3,  // nearest, ties to the even digit
};

enum MXCalculationError : int {
    MXCalculationNoError = 0,
    MXCalculationLossOfPrecision = 1,
    MXCalculationUnderflow = 2,
    MXCalculationOverflow = 3,
    MXCalculationDivideByZero = 4,
};

// Arithmetic: `result` may be the same record as an operand.
MXCalculationError MXDecimalRecordAdd(MXDecimalRecord* result, const MXDecimalRecord* left,
                                      const MXDecimalRecord* right, MXRoundingMode mode);
MXCalculationError MXDecimalRecordSubtract(MXDecimalRecord* result, const MXDecimalRecord* left,
                                           const MXDecimalRecord* right, MXRoundingMode mode);
MXCalculationError MXDecimalRecordMultiply(MXDecimalRecord* result, const MXDecimalRecord* left,
                                           const MXDecimalRecord* right, MXRoundingMode mode);
MXCalculationError MXDecimalRecordDivide(MXDecimalRecord* result, const MXDecimalRecord* left,
                                         const MXDecimalRecord* right, MXRoundingMode mode);
// base^power with bounded work for any power (0^0 is 1).
MXCalculationError MXDecimalRecordPower(MXDecimalRecord* result, const MXDecimalRecord* base,
                                        uint64_t power, MXRoundingMode mode);
// Rounds to `scale` digits after the decimal point (negative scales round to tens, hundreds...).
void MXDecimalRecordRound(MXDecimalRecord* result, const MXDecimalRecord* value, int scale,
                          MXRoundingMode mode);
// -1, 0 or 1.
int MXDecimalRecordCompare(const MXDecimalRecord* left, const MXDecimalRecord* right);

// Conversions.
// Reads an optional sign, digits with at most one ".", and an optional e/E exponent with an
// optional sign; anything else (including an empty text) is not-a-number. More than 38
// digits round bankers.
MXDecimalRecord MXDecimalRecordFromString(std::u16string_view text);
MXDecimalRecord MXDecimalRecordFromString(std::string_view text);
// Plain numeral without exponent ("-0.001", "12300"), or "NaN".
std::string MXDecimalRecordToString(const MXDecimalRecord& value);
// The shortest digits that read back as the same double; infinities and NaN give NaN.
MXDecimalRecord MXDecimalRecordFromDouble(double value);
// Correctly rounded; NaN gives a double NaN.
double MXDecimalRecordToDouble(const MXDecimalRecord& value);
MXDecimalRecord MXDecimalRecordFromInt64(int64_t value);
MXDecimalRecord MXDecimalRecordFromUInt64(uint64_t value);
// Truncates toward zero; negative values give the two's-complement wrap of their integer
// part, values beyond 64 bits and NaN give 0.
uint64_t MXDecimalRecordToUInt64(const MXDecimalRecord& value);
