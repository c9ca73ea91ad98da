// add, subtract, multiply, divide, mod, pow, lshift, rshift, negate, abs, ceil, floor,
// factorial on decimal records.
#include <cmath>
#include <limits>

#include "functions/precision/MXPrecisionThemes.h"

namespace mxcalc::detail {
namespace {

MXDecimalRecord roundedToInteger(MXDecimalRecord x, MXRoundingMode mode) {
    MXDecimalRecord whole;
    MXDecimalRecordRound(&whole, &x, 0, mode);
    return whole;
}

// Whole numbers multiply out in decimals (not-a-number once the product overflows);
// negative whole numbers have no factorial; other values take the gamma function, in
// decimals where they hold its value.
MXNumber factorialOf(const MXNumber& argument) {
    const MXDecimalRecord x = argument.decimalValue();
    if (!MXDecimalIsInteger(x)) {
        return decimalOrDouble(MXDecimalFactorial(heldDecimal(argument)), std::tgamma(argument.doubleValue() + 1.0));
    }
    if (MXDecimalIsNegative(x)) return MXNumber(std::numeric_limits<double>::quiet_NaN());
    return MXNumber::numberWithDecimal(MXDecimalFactorial(x));
}

}  // namespace

MXBuiltinEntries decimalArithmeticBuiltins() {
    return {
        binaryDecimalEntry<u"add", &MXDecimalAdd>(),
        binaryDecimalEntry<u"subtract", &MXDecimalSubtract>(),
        binaryDecimalEntry<u"multiply", &MXDecimalMultiply>(),
        binaryDecimalEntry<u"divide", &MXDecimalDivide>(),
        binaryDecimalEntry<u"mod", &MXDecimalMod>(),
        binaryDecimalEntry<u"pow", &MXDecimalPower>(),
        binaryDecimalEntry<u"lshift", &MXDecimalLeftShift>(),
        binaryDecimalEntry<u"rshift", &MXDecimalRightShift>(),
        unaryDecimalEntry<u"negate", [](MXDecimalRecord x) {
            MXDecimalNegate(x);
            return x;
        }>(),
        unaryDecimalEntry<u"abs", &MXDecimalAbsoluteValue>(),
        unaryDecimalEntry<u"ceil", [](MXDecimalRecord x) { return roundedToInteger(x, MXRoundUp); }>(),
        unaryDecimalEntry<u"floor", [](MXDecimalRecord x) { return roundedToInteger(x, MXRoundDown); }>(),
        exactEntry<u"factorial", 1, [](const MXNumbers& values) { return factorialOf(values[0]); }>(),
    };
}

}  // namespace mxcalc::detail
