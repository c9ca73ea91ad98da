#pragma once
// Simplifies a tree symbolically: simplify, then apply every rule top-down, and repeat until
// no rule changes the tree or the pass limit is reached.
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/evaluator/MXMathEvaluator.h"
#include "engine/expression/MXExpression.h"

namespace mxcalc::detail {
class MXRewriteMemo;
class MXRewriteRule;
}

class MXExpressionRewriter {
public:
    // The standard rule table, in order.
    MXExpressionRewriter();
    MXExpressionRewriter(const MXExpressionRewriter&) = delete;
    MXExpressionRewriter& operator=(const MXExpressionRewriter&) = delete;

    // The process-wide rewriter, created on first use and never freed.
    static MXExpressionRewriter& defaultRewriter();

    // Appends the rule (replacement, template, condition; an empty condition means none).
    // A rule that cannot be created is logged and not added.
    void addRewriteRule(std::u16string_view replacement, std::u16string_view templateText,
                        std::u16string_view condition = {});
    const std::vector<std::shared_ptr<const mxcalc::detail::MXRewriteRule>>& rewriteRules() const {
        return rewriteRules_;
    }

    // The simplified tree after the last pass that changed it. Gives up after
    // kMaximumPasses passes, or when a pass grows the tree beyond kMaximumNodes nodes or twice
    // the input's nodes, whichever is more (a rule that repeats a placeholder doubles it), with
    // "ABORT: replacement limit reached" in the log.
    MXExpressionPtr expressionByRewritingExpression(const MXExpressionPtr& expression,
                                                    MXMathEvaluator& evaluator) const;

    static constexpr int kMaximumPasses = 256;
    static constexpr size_t kMaximumNodes = 100000;

private:
    // Every rule once over the tree; `changed` tells whether any of them rewrote something.
    MXExpressionPtr applyRules(MXExpressionPtr expression, MXMathEvaluator& evaluator,
                               mxcalc::detail::MXRewriteMemo& memo, bool& changed) const;
    // One rule, top-down: a rewritten node is not searched again in this pass, and a subtree
    // the rule left unchanged in an earlier pass is not searched again at all.
    static MXExpressionPtr rewriteExpression(const MXExpressionPtr& expression, const mxcalc::detail::MXRewriteRule& rule,
                                             size_t ruleIndex, MXMathEvaluator& evaluator,
                                             mxcalc::detail::MXRewriteMemo& memo);

    std::vector<std::shared_ptr<const mxcalc::detail::MXRewriteRule>> rewriteRules_;
};
