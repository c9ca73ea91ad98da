#include "functions/double/MXPercentBase.h"

#include "engine/operators/MXMathOperator.h"

namespace mxcalc::detail {

MXExpressionPtr percentBase(const MXExpressionPtr& percentCall) {
    if (!percentCall) return nullptr;
    const MXExpressionPtr sum = percentCall->parentExpression();
    if (!sum || sum->expressionType() != MXExpressionTypeFunction) return nullptr;
    if (sum->function() != MXOperatorAdd && sum->function() != MXOperatorMinus) return nullptr;
    const MXMathOperatorPtr sumOperator = MXMathOperator::infoForOperatorFunction(sum->function());
    if (!sumOperator || sumOperator->arity() != MXOperatorArityBinary) return nullptr;
    const auto& operands = sum->arguments();
    if (operands.size() < 2 || operands[1] != percentCall) return nullptr;
    return operands[0];
}

}  // namespace mxcalc::detail
