// sqrt and nthroot.
#include <cmath>

#include "functions/double/MXDoubleThemes.h"
#include "functions/double/MXImaginaryFlag.h"

namespace mxcalc::detail {
namespace {

// Square root, or with an index (evaluated first, counting as 0 when it fails) pow(x, 1/index).
MXExpressionPtr sqrtBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                            const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"sqrt", arguments.size(), 1, 2, error)) return nullptr;
    const bool hasIndex = arguments.size() == 2;
    const double index = hasIndex ? evaluateOptional(library, arguments[1], substitutions, error, 0) : 2;
    const std::optional<MXNumber> radicand = library.evaluateArgument(arguments[0], substitutions, error);
    if (!radicand) return nullptr;
    const double x = radicand->doubleValue();
    return doubleResult(hasIndex ? std::pow(x, 1 / index) : std::sqrt(x));
}

// The magnitude of a negative radicand, with the flag set; a non-negative one clears it.
double rootedMagnitude(const MXFunctionEvaluator& library, double x) {
    noteRadicandSign(library, x < 0);
    return x < 0 ? -x : x;
}

// The index (evaluated first) is 2 when absent, 0 or failing.
MXExpressionPtr nthrootBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                               const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"nthroot", arguments.size(), 1, 2, error)) return nullptr;
    double index = arguments.size() == 2 ? evaluateOptional(library, arguments[1], substitutions, error, 2) : 2;
    if (index == 0) index = 2;
    const std::optional<MXNumber> radicand = library.evaluateArgument(arguments[0], substitutions, error);
    if (!radicand) return nullptr;
    return doubleResult(std::pow(rootedMagnitude(library, radicand->doubleValue()), 1 / index));
}

}  // namespace

MXBuiltinEntries rootBuiltins() { return {{u"sqrt", &sqrtBuiltin}, {u"nthroot", &nthrootBuiltin}}; }

}  // namespace mxcalc::detail
