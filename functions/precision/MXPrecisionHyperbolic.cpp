// sinh, cosh, tanh, their reciprocals and inverses on decimal records. They follow the
// angle mode like the circular functions.
#include "functions/precision/MXPrecisionThemes.h"

namespace mxcalc::detail {

MXBuiltinEntries decimalHyperbolicBuiltins() {
    return {
        ofDecimalAngleEntry<u"sinh", &MXDecimalSinh>(),
        ofDecimalAngleEntry<u"cosh", &MXDecimalCosh>(),
        ofDecimalAngleEntry<u"tanh", &MXDecimalTanh>(),
        ofDecimalAngleEntry<u"csch", &MXDecimalCsch>(),
        ofDecimalAngleEntry<u"sech", &MXDecimalSech>(),
        ofDecimalAngleEntry<u"cotanh", &MXDecimalCoth>(),
        toDecimalAngleEntry<u"asinh", &MXDecimalAsinh>(),
        toDecimalAngleEntry<u"acosh", &MXDecimalAcosh>(),
        toDecimalAngleEntry<u"atanh", &MXDecimalAtanh>(),
        toDecimalAngleEntry<u"acsch", &MXDecimalAcsch>(),
        toDecimalAngleEntry<u"asech", &MXDecimalAsech>(),
        toDecimalAngleEntry<u"acotanh", &MXDecimalAcoth>(),
    };
}

}  // namespace mxcalc::detail
