// The evaluator's entry points into the process-wide default rewriter.
#include "engine/evaluator/MXMathEvaluator.h"
#include "engine/rewriter/MXExpressionRewriter.h"
#include "engine/rewriter/MXRewriteRule.h"

MXExpressionPtr MXMathEvaluator::expressionByRewritingExpression(const MXExpressionPtr& expression) {
    return MXExpressionRewriter::defaultRewriter().expressionByRewritingExpression(expression, *this);
}

void MXMathEvaluator::addRewriteRule(std::u16string_view rule, std::u16string_view templateText,
                                     std::u16string_view condition) {
    MXExpressionRewriter::defaultRewriter().addRewriteRule(rule, templateText, condition);
}
