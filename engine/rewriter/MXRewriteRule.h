#pragma once
// One rewrite rule: a template with placeholders, the replacement built from what they
// matched, and an optional condition evaluated numerically with the matched parts.
#include <memory>
#include <string>
#include <string_view>

#include "engine/expression/MXExpression.h"
#include "engine/rewriter/MXRewriteBindings.h"

namespace mxcalc::detail {

class MXRewriteRule {
public:
    // Parses the three texts with the shared default operator set. No rule (and "error creating
    // rule: %@" in the log) when the template or the replacement does not parse or the template
    // is not a function node; a condition that is empty or does not parse leaves none.
    static std::shared_ptr<const MXRewriteRule> rewriteRuleWithTemplate(std::u16string_view templateText,
                                                                       std::u16string_view replacementPattern,
                                                                       std::u16string_view condition = {});

    bool ruleMatchesExpression(const MXExpressionPtr& expression, MXMathEvaluator& evaluator) const;
    // The replacement when the rule matches, otherwise `expression` itself.
    MXExpressionPtr expressionByRewritingExpression(const MXExpressionPtr& expression,
                                                    MXMathEvaluator& evaluator) const;
    // The replacement when the rule matches, otherwise null.
    MXExpressionPtr replacementForExpression(const MXExpressionPtr& expression, MXMathEvaluator& evaluator) const;
    // Structural match that fills `bindings`, then the condition.
    bool matchExpression(const MXExpressionPtr& expression, MXRewriteBindings& bindings,
                         MXMathEvaluator& evaluator) const;

    const MXExpressionPtr& predicate() const { return predicate_; }
    const MXExpressionPtr& pattern() const { return pattern_; }
    // Null when the rule has no condition.
    const MXExpressionPtr& condition() const { return condition_; }

    // "<MXRewriteRule: 0x…> (template => replacement)".
    std::u16string description() const;

    // True when `expression` has the shape of the template node `rule`; placeholders met on
    // the way are bound (a name already bound must face an equal sub-expression).
    static bool ruleExpression(const MXExpressionPtr& rule, const MXExpressionPtr& expression,
                               MXRewriteBindings& replacements);
    // `pattern` with every function node whose name is bound replaced by the bound node itself.
    // Number and variable nodes of the pattern, and bound nodes, are shared, not copied.
    static MXExpressionPtr expressionByApplyingReplacements(const MXRewriteBindings& replacements,
                                                            const MXExpressionPtr& pattern);

private:
    MXRewriteRule(MXExpressionPtr predicate, MXExpressionPtr pattern, MXExpressionPtr condition);

    // A condition that cannot be evaluated does not hold.
    bool conditionHolds(const MXRewriteBindings& bindings, MXMathEvaluator& evaluator) const;

    MXExpressionPtr predicate_;
    MXExpressionPtr pattern_;
    MXExpressionPtr condition_;
};

using MXRewriteRulePtr = std::shared_ptr<const MXRewriteRule>;

}  // namespace mxcalc::detail
