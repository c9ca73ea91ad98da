// percent in decimals: a share of the value it is added to or subtracted from, else of 1.
#include "engine/operators/MXMathOperator.h"
#include "functions/precision/MXPrecisionThemes.h"

namespace detail {
namespace {

// The first operand of the binary add or subtract call whose second operand is the very
// node `percentCall`; nothing in any other position.
MXExpressionPtr shareBase(const MXExpressionPtr& percentCall) {
    if (!percentCall) return nullptr;
    const MXExpressionPtr above = percentCall->parentExpression();
    if (!above || above->expressionType() != MXExpressionTypeFunction) return nullptr;
    const MXMathOperatorPtr info = MXMathOperator::infoForOperatorFunction(above->function());
    if (!info || info->arity() != MXOperatorArityBinary) return nullptr;
    if (above->function() != MXOperatorAdd && above->function() != MXOperatorMinus) return nullptr;
    const MXBuiltinArguments& operands = above->arguments();
    if (operands.size() < 2 || operands[1] != percentCall) return nullptr;
    return operands[0];
}

// The base and the share are both evaluated before either failure ends the call.
MXExpressionPtr percentBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                               const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"percent", arguments.size(), 1, 1, error)) return nullptr;
    std::optional<MXDecimalRecord> base = MXDecimalOne();
    if (const MXExpressionPtr baseNode = shareBase(arguments[0]->parentExpression())) {
        base = evaluateDecimal(library, baseNode, substitutions, error);
    }
    const std::optional<MXDecimalRecord> share = evaluateDecimal(library, arguments[0], substitutions, error);
    if (!base || !share) return nullptr;
    return decimalResult(MXDecimalMultiply(*base, MXDecimalDivide(*share, MXDecimalFromInteger(100))));
}

}  // namespace

MXBuiltinEntries decimalPercentBuiltins() { return {{u"percent", &percentBuiltin}}; }

}  // namespace detail
