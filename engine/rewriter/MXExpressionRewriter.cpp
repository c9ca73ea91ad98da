#include "engine/rewriter/MXExpressionRewriter.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/rewriter/MXTreeRebuilding.h"
#include "platform/log/MXLog.h"

MXExpressionRewriter& MXExpressionRewriter::defaultRewriter() {
    static MXExpressionRewriter* const rewriter = new MXExpressionRewriter();
    return *rewriter;
}

void MXExpressionRewriter::addRewriteRule(std::u16string_view replacement, std::u16string_view templateText,
                                          std::u16string_view condition) {
    if (auto rule = mxcalc::detail::MXRewriteRule::rewriteRuleWithTemplate(templateText, replacement, condition))
        rewriteRules_.push_back(std::move(rule));
}

namespace {

// The number of nodes, shared nodes counted each time they occur, or `cap` + 1 when there are
// more. Stops counting past the cap, so the work is bounded whatever the tree's size.
size_t nodeCount(const MXExpressionPtr& root, size_t cap) {
    std::vector<const MXExpression*> pending{root.get()};
    size_t count = 0;
    while (!pending.empty() && count <= cap) {
        const MXExpression* node = pending.back();
        pending.pop_back();
        ++count;
        if (node->expressionType() != MXExpressionTypeFunction) continue;
        for (const MXExpressionPtr& argument : node->arguments()) pending.push_back(argument.get());
    }
    return count;
}

// A tree may grow to twice its input's size, and to kMaximumNodes however small the input.
size_t nodeLimitFor(const MXExpressionPtr& input) {
    constexpr size_t largestCountedInput = 100 * MXExpressionRewriter::kMaximumNodes;
    return std::max(MXExpressionRewriter::kMaximumNodes, 2 * nodeCount(input, largestCountedInput));
}

}  // namespace

MXExpressionPtr MXExpressionRewriter::expressionByRewritingExpression(const MXExpressionPtr& expression,
                                                                      MXMathEvaluator& evaluator) const {
    if (!expression) return nullptr;
    const size_t nodeLimit = nodeLimitFor(expression);
    MXExpressionPtr current = expression;
    for (int pass = 0; current; ++pass) {
        MXError ignored;
        MXExpressionPtr simplified = current->simplifiedExpressionWithEvaluator(&evaluator, &ignored);
        if (!simplified || rewriteRules_.empty()) return simplified;
        bool changed = false;
        current = applyRules(simplified, evaluator, changed);
        if (!changed || !current) return simplified;
        if (pass == kMaximumPasses - 1 || nodeCount(current, nodeLimit) > nodeLimit) {
            MXLog("ABORT: replacement limit reached");
            return simplified;
        }
    }
    return nullptr;
}

MXExpressionPtr MXExpressionRewriter::applyRules(MXExpressionPtr expression, MXMathEvaluator& evaluator,
                                                 bool& changed) const {
    // By index and by owning pointer: a condition may call host code that adds rules.
    for (size_t i = 0; i < rewriteRules_.size() && expression; ++i) {
        const mxcalc::detail::MXRewriteRulePtr rule = rewriteRules_[i];
        MXExpressionPtr rewritten = rewriteExpression(expression, *rule, evaluator);
        if (rewritten == expression) continue;
        changed = true;
        expression = std::move(rewritten);
    }
    return expression;
}

MXExpressionPtr MXExpressionRewriter::rewriteExpression(const MXExpressionPtr& expression,
                                                        const mxcalc::detail::MXRewriteRule& rule,
                                                        MXMathEvaluator& evaluator) {
    auto replace = [&](const MXExpressionPtr& node) { return rule.replacementForExpression(node, evaluator); };
    return mxcalc::detail::rebuildTree(expression, replace, false);
}
