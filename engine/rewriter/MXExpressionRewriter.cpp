#include "engine/rewriter/MXExpressionRewriter.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/expression/MXExpressionNodes.h"
#include "engine/rewriter/MXRewriteMemo.h"
#include "engine/rewriter/MXRewriteRule.h"
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

// A tree may grow to twice its input's size, and to kMaximumNodes however small the input.
size_t nodeLimitFor(const MXExpressionPtr& input, mxcalc::detail::MXRewriteMemo& memo) {
    constexpr size_t largestCountedInput = 100 * MXExpressionRewriter::kMaximumNodes;
    return std::max(MXExpressionRewriter::kMaximumNodes, 2 * std::min(memo.nodeCount(input), largestCountedInput + 1));
}

// The tree simplified, with the nodes an earlier pass simplified taken as they are.
MXExpressionPtr simplifiedAgain(const MXExpressionPtr& tree, MXMathEvaluator& evaluator,
                                const mxcalc::detail::MXRewriteMemo& memo) {
    if (memo.isSimplified(*tree)) return tree;
    MXError ignored;
    if (tree->expressionType() != MXExpressionTypeFunction) return tree->simplifiedExpressionWithEvaluator(&evaluator, &ignored);
    return mxcalc::detail::simplifiedCallKeeping(*tree, &evaluator, &ignored,
                                                 [&memo](const MXExpression& node) { return memo.isSimplified(node); });
}

}  // namespace

MXExpressionPtr MXExpressionRewriter::expressionByRewritingExpression(const MXExpressionPtr& expression,
                                                                      MXMathEvaluator& evaluator) const {
    if (!expression) return nullptr;
    mxcalc::detail::MXRewriteMemo memo;
    const size_t nodeLimit = nodeLimitFor(expression, memo);
    MXExpressionPtr current = expression;
    for (int pass = 0; current; ++pass) {
        MXExpressionPtr simplified = simplifiedAgain(current, evaluator, memo);
        if (!simplified || rewriteRules_.empty()) return simplified;
        memo.noteSimplified(simplified);
        bool changed = false;
        current = applyRules(simplified, evaluator, memo, changed);
        if (!changed || !current) return simplified;
        if (pass == kMaximumPasses - 1 || memo.nodeCount(current) > nodeLimit) {
            MXLog("ABORT: replacement limit reached");
            return simplified;
        }
    }
    return nullptr;
}

MXExpressionPtr MXExpressionRewriter::applyRules(MXExpressionPtr expression, MXMathEvaluator& evaluator,
                                                 mxcalc::detail::MXRewriteMemo& memo, bool& changed) const {
    // By index and by owning pointer: a condition may call host code that adds rules.
    for (size_t i = 0; i < rewriteRules_.size() && expression; ++i) {
        const mxcalc::detail::MXRewriteRulePtr rule = rewriteRules_[i];
        MXExpressionPtr rewritten = rewriteExpression(expression, *rule, i, evaluator, memo);
        if (rewritten == expression) continue;
        changed = true;
        expression = std::move(rewritten);
    }
    return expression;
}

MXExpressionPtr MXExpressionRewriter::rewriteExpression(const MXExpressionPtr& expression,
                                                        const mxcalc::detail::MXRewriteRule& rule, size_t ruleIndex,
                                                        MXMathEvaluator& evaluator, mxcalc::detail::MXRewriteMemo& memo) {
    auto replace = [&](const MXExpressionPtr& node) {
        return memo.leftUnchanged(*node, ruleIndex) ? node : rule.replacementForExpression(node, evaluator);
    };
    auto kept = [&](const MXExpressionPtr& node) { memo.noteUnchanged(node, ruleIndex); };
    return mxcalc::detail::rebuildTree(expression, replace, false, kept);
}
