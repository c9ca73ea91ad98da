// The four operations and the small helpers built on them.
#include "functions/decimal/MXDecimalMath.h"

namespace {

using Operation = MXCalculationError (*)(MXDecimalRecord*, const MXDecimalRecord*, const MXDecimalRecord*,
                                         MXRoundingMode);

MXDecimalRecord applied(Operation operation, MXDecimalRecord a, MXDecimalRecord b) {
    MXDecimalRecord result;
    operation(&result, &a, &b, MXRoundBankers);
    return result;
}

}  // namespace

MXDecimalRecord MXDecimalAdd(MXDecimalRecord a, MXDecimalRecord b) { return applied(MXDecimalRecordAdd, a, b); }

MXDecimalRecord MXDecimalSubtract(MXDecimalRecord a, MXDecimalRecord b) {
    return applied(MXDecimalRecordSubtract, a, b);
}

MXDecimalRecord MXDecimalMultiply(MXDecimalRecord a, MXDecimalRecord b) {
    return applied(MXDecimalRecordMultiply, a, b);
}

MXDecimalRecord MXDecimalDivide(MXDecimalRecord a, MXDecimalRecord b) {
    return applied(MXDecimalRecordDivide, a, b);
}

void MXDecimalNegate(MXDecimalRecord& value) {
    value = MXDecimalMultiply(value, MXDecimalNegativeOne());
}

void MXDecimalInvert(MXDecimalRecord& value) { value = MXDecimalInverse(value); }

MXDecimalRecord MXDecimalInverse(MXDecimalRecord x) { return MXDecimalDivide(MXDecimalOne(), x); }

MXDecimalRecord MXDecimalAverage2(MXDecimalRecord a, MXDecimalRecord b) {
    return MXDecimalDivide(MXDecimalAdd(a, b), MXDecimalTwo());
}

MXDecimalRecord MXDecimalAbsoluteValue(MXDecimalRecord x) {
    if (MXDecimalIsNegative(x)) MXDecimalNegate(x);
    return x;
}

MXDecimalRecord MXDecimalMod(MXDecimalRecord a, MXDecimalRecord b) {
    const MXDecimalRecord quotient = MXDecimalDivide(a, b);
    MXDecimalRecord whole;
    MXDecimalRecordRound(&whole, &quotient, 0, MXRoundDown);
    return MXDecimalSubtract(a, MXDecimalMultiply(b, whole));
}

MXDecimalRecord MXDecimalMod2Pi(MXDecimalRecord x) {
    MXDecimalRecord reduced = MXDecimalMod(x, MXDecimal2Pi());
    const MXDecimalRecord pi = MXDecimalPi();
    if (MXDecimalRecordCompare(&reduced, &pi) == 1) {
        reduced = MXDecimalSubtract(reduced, MXDecimal2Pi());
    }
    return reduced;
}
