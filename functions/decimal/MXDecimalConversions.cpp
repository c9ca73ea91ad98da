// Conversions between records and machine numbers, and the predicates.
#include "functions/decimal/MXDecimalMath.h"
#include "platform/number/MXNumber.h"

MXDecimalRecord MXDecimalFromInteger(int64_t value) { return MXDecimalRecordFromInt64(value); }

MXDecimalRecord MXDecimalFromDouble(double value) {
    return MXNumber::numberWithDouble(value).decimalValue();
}

uint64_t MXUIntegerFromDecimal(MXDecimalRecord value) {
    return MXNumber::numberWithDecimal(value).unsignedIntegerValue();
}

double MXDoubleFromDecimal(MXDecimalRecord value) {
    return MXNumber::numberWithDecimal(value).doubleValue();
}

bool MXDecimalIsNegative(MXDecimalRecord value) {
    const MXDecimalRecord zero = MXDecimalZero();
    return !value.isNaN && MXDecimalRecordCompare(&value, &zero) == -1;
}

bool MXDecimalIsInteger(MXDecimalRecord value) {
    if (value.isNaN) return false;
    MXDecimalRecord whole;
    MXDecimalRecordRound(&whole, &value, 0, MXRoundDown);
    return MXDecimalRecordCompare(&whole, &value) == 0;
}

bool MXDecimalIsProbablyEqual(MXDecimalRecord a, MXDecimalRecord b) {
    if (a.isNaN || b.isNaN) return false;
    const MXDecimalRecord difference = MXDecimalAbsoluteValue(MXDecimalSubtract(a, b));
    const MXDecimalRecord epsilon = MXDecimalEpsilon();
    return MXDecimalRecordCompare(&difference, &epsilon) == -1;
}
