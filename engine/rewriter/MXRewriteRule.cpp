#include "engine/rewriter/MXRewriteRule.h"

#include <cstdio>

#include "engine/evaluator/MXMathEvaluator.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"

namespace mxcalc::detail {

MXRewriteRule::MXRewriteRule(MXExpressionPtr predicate, MXExpressionPtr pattern, MXExpressionPtr condition)
    : predicate_(std::move(predicate)), pattern_(std::move(pattern)), condition_(std::move(condition)) {}

MXRewriteRulePtr MXRewriteRule::rewriteRuleWithTemplate(std::u16string_view templateText,
                                                       std::u16string_view replacementPattern,
                                                       std::u16string_view condition) {
    MXError templateError;
    MXError replacementError;
    MXExpressionPtr predicate = MXExpression::expressionFromString(templateText, &templateError);
    MXExpressionPtr pattern = MXExpression::expressionFromString(replacementPattern, &replacementError);
    if (!predicate || !pattern || predicate->expressionType() != MXExpressionTypeFunction) {
        const MXError& last = replacementError.isEmpty() ? templateError : replacementError;
        MXLog(u"error creating rule: " + (last.isEmpty() ? std::u16string(u"(null)") : last.description()));
        return nullptr;
    }
    MXExpressionPtr parsedCondition = condition.empty() ? nullptr : MXExpression::expressionFromString(condition);
    return MXRewriteRulePtr(new MXRewriteRule(std::move(predicate), std::move(pattern), std::move(parsedCondition)));
}

bool MXRewriteRule::ruleMatchesExpression(const MXExpressionPtr& expression, MXMathEvaluator& evaluator) const {
    MXRewriteBindings bindings;
    return matchExpression(expression, bindings, evaluator);
}

MXExpressionPtr MXRewriteRule::expressionByRewritingExpression(const MXExpressionPtr& expression,
                                                               MXMathEvaluator& evaluator) const {
    MXExpressionPtr replacement = replacementForExpression(expression, evaluator);
    return replacement ? replacement : expression;
}

MXExpressionPtr MXRewriteRule::replacementForExpression(const MXExpressionPtr& expression,
                                                        MXMathEvaluator& evaluator) const {
    MXRewriteBindings bindings;
    if (!matchExpression(expression, bindings, evaluator)) return nullptr;
    return expressionByApplyingReplacements(bindings, pattern_);
}

bool MXRewriteRule::matchExpression(const MXExpressionPtr& expression, MXRewriteBindings& bindings,
                                    MXMathEvaluator& evaluator) const {
    if (!expression || !ruleExpression(predicate_, expression, bindings)) return false;
    return !condition_ || conditionHolds(bindings, evaluator);
}

bool MXRewriteRule::conditionHolds(const MXRewriteBindings& bindings, MXMathEvaluator& evaluator) const {
    // The matched parts are also offered as variables named like their placeholders.
    MXSubstitutions substitutions;
    for (const auto& [name, bound] : bindings) substitutions.emplace(name, bound);
    MXError ignored;
    const std::optional<MXNumber> value =
        evaluator.evaluateExpression(expressionByApplyingReplacements(bindings, condition_), &substitutions, &ignored);
    return value && value->boolValue();
}

std::u16string MXRewriteRule::description() const {
    char identity[64];
    std::snprintf(identity, sizeof identity, "<MXRewriteRule: %p>", static_cast<const void*>(this));
    return MXFromUtf8(identity) + u" (" + predicate_->description() + u" => " + pattern_->description() + u")";
}

}  // namespace mxcalc::detail
