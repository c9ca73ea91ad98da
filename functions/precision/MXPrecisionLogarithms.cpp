// log, ln, log2 and exp on decimal records. Where the decimal has no full-precision value
// (0 and negative arguments, a base of 0 or 1, results beyond the record's range, arguments
// the record cannot hold) the result is the double-precision library's, as it always was.
#include <cmath>

#include "functions/precision/MXPrecisionThemes.h"

namespace mxcalc::detail {
namespace {

// Base 10, or the base given second; a failing base counts as 0, which has no decimal
// logarithm.
MXExpressionPtr logBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                           const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"log", arguments.size(), 1, 2, error)) return nullptr;
    const std::optional<MXNumber> value = library.evaluateArgument(arguments[0], substitutions, error);
    if (!value) return nullptr;
    const double x = value->doubleValue();
    const MXDecimalRecord decimalX = heldDecimal(*value);
    if (arguments.size() == 1) return numberResult(decimalOrDouble(MXDecimalLog10(decimalX), std::log10(x)));
    const std::optional<MXNumber> base = library.evaluateArgument(arguments[1], substitutions, error);
    const MXDecimalRecord decimal = base ? MXDecimalLogToBase(decimalX, heldDecimal(*base)) : MXDecimalNAN();
    return numberResult(decimalOrDouble(decimal, std::log(x) / std::log(base ? base->doubleValue() : 0)));
}

}  // namespace

MXBuiltinEntries decimalLogarithmBuiltins() {
    return {
        {u"log", &logBuiltin},
        unaryDecimalOrDoubleEntry<u"ln", &MXDecimalLn, [](double x) { return std::log(x); }>(),
        unaryDecimalOrDoubleEntry<u"log2", &MXDecimalLog2, [](double x) { return std::log2(x); }>(),
        unaryDecimalOrDoubleEntry<u"exp", &MXDecimalExp, [](double x) { return std::exp(x); }>(),
    };
}

}  // namespace mxcalc::detail
