#include "functions/angle/MXAngleUnits.h"

#include <string_view>

#include "engine/evaluator/MXMathEvaluator.h"

namespace mxcalc::detail {
namespace {

MXExpressionPtr wrapInDegreeMode(const MXExpressionPtr& expression, const MXMathEvaluator* evaluator,
                                 std::u16string_view conversion, MXError* error) {
    if (evaluator == nullptr || evaluator->angleMeasurementMode() != MXAngleMeasurementModeDegrees) {
        return expression;
    }
    if (expression->expressionType() == MXExpressionTypeFunction && expression->function() == conversion) {
        return expression;
    }
    return MXExpression::functionExpressionWithFunction(conversion, {expression}, error);
}

}  // namespace

MXExpressionPtr MXDTOR(const MXExpressionPtr& expression, const MXMathEvaluator* evaluator, MXError* error) {
    return wrapInDegreeMode(expression, evaluator, u"dtor", error);
}

MXExpressionPtr MXRTOD(const MXExpressionPtr& expression, const MXMathEvaluator* evaluator, MXError* error) {
    return wrapInDegreeMode(expression, evaluator, u"rtod", error);
}

}  // namespace mxcalc::detail
