// sin, cos, tan, their reciprocals and inverses on decimal records.
#include "functions/precision/MXPrecisionThemes.h"

namespace mxcalc::detail {
namespace {

// sin, cos and tan give 0 for results this close to it. Not-a-number (a pole of tan, an
// argument too large to reduce) stays not-a-number.
MXDecimalRecord flushedTiny(MXDecimalRecord value) {
    static const MXDecimalRecord bound = MXDecimalFromDouble(1e-35);
    if (value.isNaN) return value;
    const MXDecimalRecord magnitude = MXDecimalAbsoluteValue(value);
    return MXDecimalRecordCompare(&magnitude, &bound) < 0 ? MXDecimalZero() : value;
}

}  // namespace

MXBuiltinEntries decimalCircularBuiltins() {
    return {
        ofDecimalAngleEntry<u"sin", [](MXDecimalRecord x) { return flushedTiny(MXDecimalSin(x)); }>(),
        ofDecimalAngleEntry<u"cos", [](MXDecimalRecord x) { return flushedTiny(MXDecimalCos(x)); }>(),
        ofDecimalAngleEntry<u"tan", [](MXDecimalRecord x) { return flushedTiny(MXDecimalTan(x)); }>(),
        ofDecimalAngleEntry<u"csc", &MXDecimalCsc>(),
        ofDecimalAngleEntry<u"sec", &MXDecimalSec>(),
        ofDecimalAngleEntry<u"cotan", &MXDecimalCot>(),
        toDecimalAngleEntry<u"asin", &MXDecimalAsin>(),
        toDecimalAngleEntry<u"acos", &MXDecimalAcos>(),
        toDecimalAngleEntry<u"atan", &MXDecimalAtan>(),
        toDecimalAngleEntry<u"acsc", &MXDecimalAcsc>(),
        toDecimalAngleEntry<u"asec", &MXDecimalAsec>(),
        toDecimalAngleEntry<u"acotan", &MXDecimalAcot>(),
    };
}

}  // namespace mxcalc::detail
