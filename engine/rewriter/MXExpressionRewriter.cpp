#include "engine/rewriter/MXExpressionRewriter.h"

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
    if (auto rule = detail::MXRewriteRule::rewriteRuleWithTemplate(templateText, replacement, condition))
        rewriteRules_.push_back(std::move(rule));
}

namespace {

// Whether the tree, shared nodes counted each time they occur, has more than `limit` nodes.
// Stops counting at the limit, so the work is bounded whatever the tree's size.
bool hasMoreNodesThan(const MXExpressionPtr& root, size_t limit) {
    std::vector<const MXExpression*> pending{root.get()};
    size_t count = 0;
    while (!pending.empty()) {
        const MXExpression* node = pending.back();
        pending.pop_back();
        if (++count > limit) return true;
        if (node->expressionType() != MXExpressionTypeFunction) continue;
        for (const MXExpressionPtr& argument : node->arguments()) pending.push_back(argument.get());
    }
    return false;
}

}  // namespace

MXExpressionPtr MXExpressionRewriter::expressionByRewritingExpression(const MXExpressionPtr& expression,
                                                                      MXMathEvaluator& evaluator) const {
    MXExpressionPtr current = expression;
    for (int pass = 0; current; ++pass) {
        MXError ignored;
        MXExpressionPtr simplified = current->simplifiedExpressionWithEvaluator(&evaluator, &ignored);
        if (!simplified || rewriteRules_.empty()) return simplified;
        bool changed = false;
        current = applyRules(simplified, evaluator, changed);
        if (!changed || !current) return simplified;
        if (pass == kMaximumPasses - 1 || hasMoreNodesThan(current, kMaximumNodes)) {
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
        const detail::MXRewriteRulePtr rule = rewriteRules_[i];
        MXExpressionPtr rewritten = rewriteExpression(expression, *rule, evaluator);
        if (rewritten == expression) continue;
        changed = true;
        expression = std::move(rewritten);
    }
    return expression;
}

MXExpressionPtr MXExpressionRewriter::rewriteExpression(const MXExpressionPtr& expression,
                                                        const detail::MXRewriteRule& rule,
                                                        MXMathEvaluator& evaluator) {
    auto replace = [&](const MXExpressionPtr& node) { return rule.replacementForExpression(node, evaluator); };
    return detail::rebuildTree(expression, replace, false);
}
