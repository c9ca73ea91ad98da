#pragma once
// Arithmetic and elementary functions on the 38-digit decimal record.
//
// Every function takes and returns records by value, except MXDecimalNegate and
// MXDecimalInvert, which change the caller's record. No function reports an error: a
// failure gives the not-a-number record. Arithmetic rounds bankers and ignores the
// calculation status. A not-a-number argument gives not-a-number, except where a function
// says otherwise. Every function does a bounded amount of work.
#include <cstdint>

#include "platform/decimal/MXDecimalRecord.h"

// Constants, built once per process on first use (MXDecimalZero is built on every call).
MXDecimalRecord MXDecimalNAN();
MXDecimalRecord MXDecimalEpsilon();  // 10^-64
MXDecimalRecord MXDecimalNegativeOne();
MXDecimalRecord MXDecimalZero();
MXDecimalRecord MXDecimalOne();
MXDecimalRecord MXDecimalTwo();
MXDecimalRecord MXDecimalPhi();
MXDecimalRecord MXDecimalPi();
MXDecimalRecord MXDecimal2Pi();
MXDecimalRecord MXDecimalPi_2();
MXDecimalRecord MXDecimalPi_4();
MXDecimalRecord MXDecimalSqrt2();
MXDecimalRecord MXDecimalE();
MXDecimalRecord MXDecimalLog2e();
MXDecimalRecord MXDecimalLog10e();
MXDecimalRecord MXDecimalLn2();
MXDecimalRecord MXDecimalLn10();

// Conversions through the platform number object.
MXDecimalRecord MXDecimalFromInteger(int64_t value);
MXDecimalRecord MXDecimalFromDouble(double value);
// Truncates; negative values and not-a-number give 0, values beyond 64 bits the largest.
uint64_t MXUIntegerFromDecimal(MXDecimalRecord value);
double MXDoubleFromDecimal(MXDecimalRecord value);

// Predicates; all are false for not-a-number.
bool MXDecimalIsNegative(MXDecimalRecord value);
bool MXDecimalIsInteger(MXDecimalRecord value);
// |a - b| < MXDecimalEpsilon.
bool MXDecimalIsProbablyEqual(MXDecimalRecord a, MXDecimalRecord b);

// Arithmetic.
MXDecimalRecord MXDecimalAdd(MXDecimalRecord a, MXDecimalRecord b);
MXDecimalRecord MXDecimalSubtract(MXDecimalRecord a, MXDecimalRecord b);
MXDecimalRecord MXDecimalMultiply(MXDecimalRecord a, MXDecimalRecord b);
MXDecimalRecord MXDecimalDivide(MXDecimalRecord a, MXDecimalRecord b);
void MXDecimalNegate(MXDecimalRecord& value);
void MXDecimalInvert(MXDecimalRecord& value);
MXDecimalRecord MXDecimalInverse(MXDecimalRecord x);
MXDecimalRecord MXDecimalAverage2(MXDecimalRecord a, MXDecimalRecord b);
MXDecimalRecord MXDecimalAbsoluteValue(MXDecimalRecord x);
// a - b * floor(a / b): the result takes the sign of b.
MXDecimalRecord MXDecimalMod(MXDecimalRecord a, MXDecimalRecord b);
// x reduced into (-pi, pi].
MXDecimalRecord MXDecimalMod2Pi(MXDecimalRecord x);

// Square root: 0 for 0, not-a-number for negative values.
MXDecimalRecord MXDecimalSqrt(MXDecimalRecord x);
// base^exponent. A positive integer exponent gives the exact power rounded once; any
// other exponent a result correct to at least 36 significant digits, and the exact value
// where that has a short mantissa (4^0.5 is 2, 0.0625^-0.25 is 2). A negative base takes
// integer exponents only; other exponents, and 0 to a negative power, give not-a-number.
// Results beyond the record's range are not-a-number, results below it 0. Any base to the
// power 0 is 1.
MXDecimalRecord MXDecimalPower(MXDecimalRecord base, MXDecimalRecord exponent);
// The index-th root, x^(1/index). For an integer index of at least 2 in magnitude the
// root of a non-negative value is computed as such (to about a unit of the 38th digit, and
// exact where it is exact: the cube root of 8 is 2); any other index gives
// MXDecimalPower(x, 1 / index), so a negative value has a root only where 1 / index is an
// integer.
MXDecimalRecord MXDecimalRoot(MXDecimalRecord x, MXDecimalRecord index);
// n! for integers (a negative integer -n gives n!), not-a-number when it overflows;
// MXDecimalGamma(x + 1) for other values.
MXDecimalRecord MXDecimalFactorial(MXDecimalRecord x);
// The gamma function, correct to at least 36 significant digits: not-a-number at the poles
// 0, -1, -2, ... and above the record's range, 0 below it.
MXDecimalRecord MXDecimalGamma(MXDecimalRecord x);
// value * 2^floor(count) and value / 2^floor(count); a negative count shifts the other
// way. The sign is kept, magnitudes below 1 become 0.
MXDecimalRecord MXDecimalLeftShift(MXDecimalRecord value, MXDecimalRecord count);
MXDecimalRecord MXDecimalRightShift(MXDecimalRecord value, MXDecimalRecord count);

// Exponential and logarithms, correct to at least 36 significant digits. exp is
// not-a-number above the record's range (from about e^380 on) and 0 below it. A logarithm
// is not-a-number for 0 and negative values, and for a base that is 1, 0 or negative.
// Where the logarithm is a fraction with a small denominator it is that fraction rounded
// once: log10 of 1000 is 3, log2 of 0.125 is -3, log of 8 to base 4 is 1.5.
MXDecimalRecord MXDecimalExp(MXDecimalRecord x);
MXDecimalRecord MXDecimalLn(MXDecimalRecord x);
MXDecimalRecord MXDecimalLog10(MXDecimalRecord x);
MXDecimalRecord MXDecimalLog2(MXDecimalRecord x);
MXDecimalRecord MXDecimalLogToBase(MXDecimalRecord x, MXDecimalRecord base);

// Circular functions (radians). Below 10^19 the argument is reduced with 76 digits of pi,
// so the results keep about 36 significant digits also next to the zeros of sin and cos;
// larger arguments are reduced by the 38-digit 2 pi, and from about 10^37 on sin and cos
// are not-a-number. tan is not-a-number where the cosine rounds to 0 at 34 places (the
// odd multiples of pi/2).
MXDecimalRecord MXDecimalSin(MXDecimalRecord x);
MXDecimalRecord MXDecimalCos(MXDecimalRecord x);
MXDecimalRecord MXDecimalTan(MXDecimalRecord x);
MXDecimalRecord MXDecimalCsc(MXDecimalRecord x);
MXDecimalRecord MXDecimalSec(MXDecimalRecord x);
MXDecimalRecord MXDecimalCot(MXDecimalRecord x);

// Inverse circular functions (radians). acot takes values in (0, pi).
MXDecimalRecord MXDecimalAsin(MXDecimalRecord x);
MXDecimalRecord MXDecimalAcos(MXDecimalRecord x);
MXDecimalRecord MXDecimalAtan(MXDecimalRecord x);
MXDecimalRecord MXDecimalAcsc(MXDecimalRecord x);
MXDecimalRecord MXDecimalAsec(MXDecimalRecord x);
MXDecimalRecord MXDecimalAcot(MXDecimalRecord x);

// Hyperbolic functions.
MXDecimalRecord MXDecimalSinh(MXDecimalRecord x);
MXDecimalRecord MXDecimalCosh(MXDecimalRecord x);
MXDecimalRecord MXDecimalTanh(MXDecimalRecord x);
MXDecimalRecord MXDecimalCsch(MXDecimalRecord x);
MXDecimalRecord MXDecimalSech(MXDecimalRecord x);
MXDecimalRecord MXDecimalCoth(MXDecimalRecord x);

// Inverse hyperbolic functions.
MXDecimalRecord MXDecimalAsinh(MXDecimalRecord x);
MXDecimalRecord MXDecimalAcosh(MXDecimalRecord x);
MXDecimalRecord MXDecimalAtanh(MXDecimalRecord x);
MXDecimalRecord MXDecimalAcsch(MXDecimalRecord x);
MXDecimalRecord MXDecimalAsech(MXDecimalRecord x);
MXDecimalRecord MXDecimalAcoth(MXDecimalRecord x);
