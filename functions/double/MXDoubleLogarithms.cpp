// log, ln, log2, exp.
#include <cmath>

#include "functions/double/MXDoubleThemes.h"

namespace mxcalc::detail {
namespace {

// Base 10, or the base given second; a failing base counts as 0.
MXExpressionPtr logBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                           const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"log", arguments.size(), 1, 2, error)) return nullptr;
    const std::optional<MXNumber> value = library.evaluateArgument(arguments[0], substitutions, error);
    if (!value) return nullptr;
    const double x = value->doubleValue();
    if (arguments.size() == 1) return doubleResult(std::log10(x));
    const double base = evaluateOptional(library, arguments[1], substitutions, error, 0);
    return doubleResult(std::log(x) / std::log(base));
}

}  // namespace

MXBuiltinEntries logarithmBuiltins() {
    return {
        {u"log", &logBuiltin},
        unaryDoubleEntry<u"ln", [](double x) { return std::log(x); }>(),
        unaryDoubleEntry<u"log2", [](double x) { return std::log2(x); }>(),
        unaryDoubleEntry<u"exp", [](double x) { return std::exp(x); }>(),
    };
}

}  // namespace mxcalc::detail
