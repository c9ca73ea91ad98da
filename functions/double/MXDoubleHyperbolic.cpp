// sinh, cosh, tanh, their inverses, reciprocals and inverse reciprocals.
#include <cmath>

#include "functions/double/MXDoubleAngles.h"
#include "functions/double/MXDoubleThemes.h"

namespace mxcalc::detail {

MXBuiltinEntries hyperbolicBuiltins() {
    return {
        ofAngleEntry<u"sinh", [](double x) { return std::sinh(x); }>(),
        ofAngleEntry<u"cosh", [](double x) { return std::cosh(x); }>(),
        ofAngleEntry<u"tanh", [](double x) { return std::tanh(x); }>(),
        ofAngleEntry<u"csch", [](double x) { return 1 / std::sinh(x); }>(),
        ofAngleEntry<u"sech", [](double x) { return 1 / std::cosh(x); }>(),
        ofAngleEntry<u"cotanh", [](double x) { return 1 / std::tanh(x); }>(),
        toAngleEntry<u"asinh", [](double x) { return std::asinh(x); }>(),
        toAngleEntry<u"acosh", [](double x) { return std::acosh(x); }>(),
        toAngleEntry<u"atanh", [](double x) { return std::atanh(x); }>(),
        toAngleEntry<u"acsch", [](double x) { return std::asinh(1 / x); }>(),
        toAngleEntry<u"asech", [](double x) { return std::acosh(1 / x); }>(),
        toAngleEntry<u"acotanh", [](double x) { return std::atanh(1 / x); }>(),
    };
}

}  // namespace mxcalc::detail
