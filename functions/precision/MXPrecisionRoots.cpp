// sqrt and nthroot on decimal records.
#include "functions/double/MXImaginaryFlag.h"
#include "functions/precision/MXPrecisionThemes.h"

namespace mxcalc::detail {
namespace {

// Heron's square root; with an index (evaluated first, the zero record when it fails)
// the index-th root.
MXExpressionPtr sqrtBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                            const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"sqrt", arguments.size(), 1, 2, error)) return nullptr;
    if (arguments.size() == 1) {
        const std::optional<MXDecimalRecord> x = evaluateDecimal(library, arguments[0], substitutions, error);
        return x ? decimalResult(MXDecimalSqrt(*x)) : nullptr;
    }
    const MXDecimalRecord index =
        evaluateDecimal(library, arguments[1], substitutions, error).value_or(MXDecimalZero());
    const std::optional<MXDecimalRecord> radicand = evaluateDecimal(library, arguments[0], substitutions, error);
    if (!radicand) return nullptr;
    return decimalResult(MXDecimalRoot(*radicand, index));
}

// A negative radicand gives its magnitude (through a double) and raises the flag; a
// non-negative one lowers a raised flag.
MXNumber rootedMagnitude(const MXFunctionEvaluator& library, const MXNumber& radicand) {
    const bool negative = radicand.doubleValue() < 0.0;
    noteRadicandSign(library, negative);
    return negative ? MXNumber(-radicand.doubleValue()) : radicand;
}

// The index (evaluated first) is 2 when absent, 0 or failing.
MXExpressionPtr nthrootBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                               const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"nthroot", arguments.size(), 1, 2, error)) return nullptr;
    MXNumber index(2.0);
    if (arguments.size() == 2) {
        const std::optional<MXNumber> given = library.evaluateArgument(arguments[1], substitutions, error);
        if (given && !given->isEqualToNumber(MXNumber(0.0))) index = *given;
    }
    const std::optional<MXNumber> radicand = library.evaluateArgument(arguments[0], substitutions, error);
    if (!radicand) return nullptr;
    const MXNumber magnitude = rootedMagnitude(library, *radicand);
    return decimalResult(MXDecimalRoot(magnitude.decimalValue(), index.decimalValue()));
}

}  // namespace

MXBuiltinEntries decimalRootBuiltins() { return {{u"sqrt", &sqrtBuiltin}, {u"nthroot", &nthrootBuiltin}}; }

}  // namespace mxcalc::detail
