// percent in decimals: a share of the value it is added to or subtracted from, else of 1.
#include "functions/double/MXPercentBase.h"
#include "functions/precision/MXPrecisionThemes.h"

namespace mxcalc::detail {
namespace {

// The base and the share are both evaluated before either failure ends the call.
MXExpressionPtr percentBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                               const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"percent", arguments.size(), 1, 1, error)) return nullptr;
    std::optional<MXDecimalRecord> base = MXDecimalOne();
    if (const MXExpressionPtr baseNode = percentBase(arguments[0]->parentExpression())) {
        base = evaluateDecimal(library, baseNode, substitutions, error);
    }
    const std::optional<MXDecimalRecord> share = evaluateDecimal(library, arguments[0], substitutions, error);
    if (!base || !share) return nullptr;
    return decimalResult(MXDecimalMultiply(*base, MXDecimalDivide(*share, MXDecimalFromInteger(100))));
}

}  // namespace

MXBuiltinEntries decimalPercentBuiltins() { return {{u"percent", &percentBuiltin}}; }

}  // namespace mxcalc::detail
