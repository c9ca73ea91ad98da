// percent: a share of the value it is added to or subtracted from, else of 1.
#include "engine/operators/MXMathOperator.h"
#include "functions/double/MXDoubleThemes.h"

namespace detail {
namespace {

// The first operand of the sum or difference whose second operand is `percentNode`.
MXExpressionPtr percentBase(const MXExpressionPtr& percentNode) {
    if (!percentNode) return nullptr;
    const MXExpressionPtr sum = percentNode->parentExpression();
    if (!sum || sum->expressionType() != MXExpressionTypeFunction) return nullptr;
    if (sum->function() != MXOperatorAdd && sum->function() != MXOperatorMinus) return nullptr;
    const MXMathOperatorPtr sumOperator = MXMathOperator::infoForOperatorFunction(sum->function());
    if (!sumOperator || sumOperator->arity() != MXOperatorArityBinary) return nullptr;
    const MXBuiltinArguments& operands = sum->arguments();
    if (operands.size() < 2 || operands[1] != percentNode) return nullptr;
    return operands[0];
}

MXExpressionPtr percentBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                               const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"percent", arguments.size(), 1, 1, error)) return nullptr;
    double base = 1;
    if (const MXExpressionPtr baseNode = percentBase(arguments[0]->parentExpression())) {
        const std::optional<MXNumber> baseValue = library.evaluateArgument(baseNode, substitutions, error);
        if (!baseValue) return nullptr;
        base = baseValue->doubleValue();
    }
    const std::optional<MXNumber> share = library.evaluateArgument(arguments[0], substitutions, error);
    if (!share) return nullptr;
    return doubleResult(base * (share->doubleValue() / 100));
}

}  // namespace

MXBuiltinEntries percentBuiltins() { return {{u"percent", &percentBuiltin}}; }

}  // namespace detail
