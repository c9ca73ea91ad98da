// The constants, and degrees to radians (dtor) and back (rtod).
#include <cmath>
#include <numbers>

#include "functions/double/MXDoubleThemes.h"

namespace mxcalc::detail {
namespace {

constexpr double kPi = std::numbers::pi;

// Degrees, minutes and seconds to radians; with minutes or seconds given, a failing part counts as 0.
MXExpressionPtr dtorBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                            const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"dtor", arguments.size(), 1, 3, error)) return nullptr;
    double degrees = 0;
    if (arguments.size() == 1) {
        const std::optional<MXNumber> value = library.evaluateArgument(arguments[0], substitutions, error);
        if (!value) return nullptr;
        degrees = value->doubleValue();
    } else {
        constexpr double kPartsPerDegree[] = {1, 60, 3600};
        for (size_t index = 0; index < arguments.size(); ++index) {
            degrees += evaluateOptional(library, arguments[index], substitutions, error, 0) / kPartsPerDegree[index];
        }
    }
    return doubleResult(degrees / 180 * kPi);
}

}  // namespace

MXBuiltinEntries conversionBuiltins() {
    return {
        noArgumentEntry<u"phi", [] { return std::numbers::phi; }>(),
        noArgumentEntry<u"pi", [] { return kPi; }>(),
        noArgumentEntry<u"pi_2", [] { return kPi / 2; }>(),
        noArgumentEntry<u"pi_4", [] { return kPi / 4; }>(),
        noArgumentEntry<u"tau", [] { return 2 * kPi; }>(),
        noArgumentEntry<u"sqrt2", [] { return std::numbers::sqrt2; }>(),
        noArgumentEntry<u"e", [] { return std::numbers::e; }>(),
        noArgumentEntry<u"log2e", [] { return std::numbers::log2e; }>(),
        noArgumentEntry<u"log10e", [] { return std::numbers::log10e; }>(),
        noArgumentEntry<u"ln2", [] { return std::numbers::ln2; }>(),
        noArgumentEntry<u"ln10", [] { return std::numbers::ln10; }>(),
        {u"dtor", &dtorBuiltin},
        unaryDoubleEntry<u"rtod", [](double x) { return x / kPi * 180; }>(),
    };
}

}  // namespace mxcalc::detail
