// The versed and haversed sines and cosines, exsecant, excosecant and chord.
#include <cmath>

#include "functions/double/MXDoubleAngles.h"
#include "functions/double/MXDoubleThemes.h"

namespace mxcalc::detail {

MXBuiltinEntries versineBuiltins() {
    return {
        ofAngleEntry<u"versin", [](double x) { return 1 - std::cos(x); }>(),
        ofAngleEntry<u"vercosin", [](double x) { return 1 + std::cos(x); }>(),
        ofAngleEntry<u"coversin", [](double x) { return 1 - std::sin(x); }>(),
        ofAngleEntry<u"covercosin", [](double x) { return 1 + std::sin(x); }>(),
        ofAngleEntry<u"haversin", [](double x) { return (1 - std::cos(x)) * 0.5; }>(),
        ofAngleEntry<u"havercosin", [](double x) { return (1 + std::cos(x)) * 0.5; }>(),
        ofAngleEntry<u"hacoversin", [](double x) { return (1 - std::sin(x)) * 0.5; }>(),
        ofAngleEntry<u"hacovercosin", [](double x) { return (1 + std::sin(x)) * 0.5; }>(),
        ofAngleEntry<u"exsec", [](double x) { return 1 / std::cos(x) - 1; }>(),
        ofAngleEntry<u"excsc", [](double x) { return 1 / std::sin(x) - 1; }>(),
        ofAngleEntry<u"crd", [](double x) { return 2 * std::sin(x * 0.5); }>(),
    };
}

}  // namespace mxcalc::detail
