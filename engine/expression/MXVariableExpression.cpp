#include "engine/expression/MXExpressionNodes.h"
#include "engine/expression/MXExpressionWalks.h"

namespace mxcalc::detail {

MXExpressionPtr MXVariableExpression::copy() const { return std::make_shared<MXVariableExpression>(variable_); }

MXExpressionPtr MXVariableExpression::simplifiedExpressionWithEvaluator(MXMathEvaluator*, MXError*) const {
    return shared_from_this();
}

size_t MXVariableExpression::hash() const { return std::hash<std::u16string>{}(variable_); }

bool MXVariableExpression::isEqual(const MXExpression& other) const { return sameNodeValue(*this, other); }

std::u16string MXVariableExpression::description() const { return u"$" + variable_; }

}  // namespace mxcalc::detail
