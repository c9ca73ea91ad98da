#pragma once
// The 38-digit decimal record: value = (-1)^negative x mantissa x 10^exponent.
//
// The mantissa holds at most 38 significant digits in 128 bits and carries no trailing
// zero digits (1E10 is mantissa 1, exponent 10), except where the exponent would pass its
// largest value 127: there the mantissa keeps the zeros (1E130 is mantissa 1000, exponent
// 127). So every value has exactly one record, and the numbers are exactly c x 10^q with
// c < 10^38 and -128 <= q <= 127. Zero is the all-zero record (there is no negative zero).
// The not-a-number record has isNaN set and every other field zero. A plain value type
// without heap allocation.
//
// Every arithmetic result is the exact result rounded once in the given rounding mode: to
// 38 significant digits, or, for results below 10^-91, to a multiple of 10^-128 (fewer
// digits then survive, as with subnormal numbers). Outcomes:
//   - a rounded result reports MXCalculationLossOfPrecision;
//   - a result that rounds to 10^165 or more (it would need an exponent above 127) is
//     not-a-number, MXCalculationOverflow, whatever the rounding mode;
//   - a non-zero result that rounds to 0 at 10^-128 is 0, MXCalculationUnderflow (rounding
//     up a tiny positive result gives 1E-128 with MXCalculationLossOfPrecision instead);
//   - division by zero (0/0 too) is not-a-number, MXCalculationDivideByZero;
//   - any operand that is not-a-number gives not-a-number (MXCalculationNoError).
// A record whose mantissa has more than 38 digits is not a valid record; operations take
// it as not-a-number. A rounding mode outside 0...3 throws std::invalid_argument.
// Ordering: not-a-number is equal to itself and smaller than every number.
//
// The exact results live in 256-bit integers: a sum of terms whose exponents lie more than
// 39 apart keeps the smaller term's leading digits and whether anything non-zero follows;
// a quotient is formed with exactly 38 digits and its remainder decides the rounding. The
// behaviour is checked against Python's decimal module with prec=38, Emin=-91, Emax=164,
// clamp=1, whose finite numbers are exactly these records.
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
// base^power, rounded once also for powers whose exact value has too many digits to hold
// (see MXDecimalPower.cpp for how), with bounded work for any power (0^0 is 1).
MXCalculationError MXDecimalRecordPower(MXDecimalRecord* result, const MXDecimalRecord* base,
                                        uint64_t power, MXRoundingMode mode);
// Rounds to `scale` digits after the decimal point (negative scales round to tens, hundreds...).
// A result of 10^165 or more is not-a-number.
void MXDecimalRecordRound(MXDecimalRecord* result, const MXDecimalRecord* value, int scale,
                          MXRoundingMode mode);
// -1, 0 or 1.
int MXDecimalRecordCompare(const MXDecimalRecord* left, const MXDecimalRecord* right);

// Conversions.
// Reads an optional sign, digits with at most one ".", and an optional e/E exponent with an
// optional sign; anything else (including an empty text, "." alone, white space) is
// not-a-number. "." is the only decimal separator. More than 38 digits round bankers, as do
// tiny values; values of 10^165 and more are not-a-number.
MXDecimalRecord MXDecimalRecordFromString(std::u16string_view text);
MXDecimalRecord MXDecimalRecordFromString(std::string_view text);
// Plain numeral without exponent ("-0.001", "12300"), or "NaN".
std::string MXDecimalRecordToString(const MXDecimalRecord& value);
// The shortest digits that read back as the same double (std::to_chars), rounded into the
// record's range as text is; infinities and NaN give NaN.
MXDecimalRecord MXDecimalRecordFromDouble(double value);
// Correctly rounded; NaN gives a double NaN.
double MXDecimalRecordToDouble(const MXDecimalRecord& value);
MXDecimalRecord MXDecimalRecordFromInt64(int64_t value);
MXDecimalRecord MXDecimalRecordFromUInt64(uint64_t value);
// Truncates toward zero; negative values give the two's-complement wrap of their integer
// part, values beyond 64 bits and NaN give 0.
uint64_t MXDecimalRecordToUInt64(const MXDecimalRecord& value);
