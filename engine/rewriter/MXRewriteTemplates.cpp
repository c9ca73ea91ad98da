// Matching a rule's template against a tree, and building a replacement from the matched
// parts. Both walk with explicit stacks, so deep templates and trees cannot overflow the stack.
#include "engine/rewriter/MXRewriteRule.h"

#include <string_view>
#include <utility>
#include <vector>

#include "engine/expression/MXExpressionNodes.h"
#include "engine/rewriter/MXTreeRebuilding.h"

namespace mxcalc::detail {

namespace {

enum class NodeMatch { Mismatch, Matched, CompareArguments };

// Whether a template function node named `name` is a placeholder that accepts a node of `type`.
bool placeholderAccepts(std::u16string_view name, MXExpressionType type) {
    if (!name.starts_with(u"__")) return false;
    name.remove_prefix(2);
    if (name.starts_with(u"exp")) return true;
    if (name.starts_with(u"num")) return type == MXExpressionTypeNumber;
    if (name.starts_with(u"var")) return type == MXExpressionTypeVariable;
    if (name.starts_with(u"func")) return type == MXExpressionTypeFunction;
    return false;
}

NodeMatch matchNode(const MXExpression& rule, const MXExpressionPtr& expression, MXRewriteBindings& bindings) {
    if (rule.expressionType() != MXExpressionTypeFunction)
        return rule.isEqual(*expression) ? NodeMatch::Matched : NodeMatch::Mismatch;
    const std::u16string& name = rule.function();
    if (placeholderAccepts(name, expression->expressionType())) {
        return bindings.bind(name, expression) ? NodeMatch::Matched : NodeMatch::Mismatch;
    }
    const bool sameCall = expression->expressionType() == MXExpressionTypeFunction &&
                          expression->function() == name &&
                          expression->arguments().size() == rule.arguments().size();
    return sameCall ? NodeMatch::CompareArguments : NodeMatch::Mismatch;
}

}  // namespace

bool MXRewriteRule::ruleExpression(const MXExpressionPtr& rule, const MXExpressionPtr& expression,
                                   MXRewriteBindings& replacements) {
    // Pairs still to compare; arguments are pushed last-first so they are compared in order.
    std::vector<std::pair<const MXExpression*, const MXExpressionPtr*>> pending;
    auto compare = [&](const MXExpression& ruleNode, const MXExpressionPtr& node) {
        const NodeMatch match = matchNode(ruleNode, node, replacements);
        if (match == NodeMatch::CompareArguments) {
            const auto& ruleArguments = ruleNode.arguments();
            const auto& arguments = node->arguments();
            for (size_t i = ruleArguments.size(); i-- > 0;) pending.emplace_back(ruleArguments[i].get(), &arguments[i]);
        }
        return match != NodeMatch::Mismatch;
    };
    if (!compare(*rule, expression)) return false;
    while (!pending.empty()) {
        const auto [ruleNode, node] = pending.back();
        pending.pop_back();
        if (!compare(*ruleNode, *node)) return false;
    }
    return true;
}

MXExpressionPtr MXRewriteRule::expressionByApplyingReplacements(const MXRewriteBindings& replacements,
                                                                const MXExpressionPtr& pattern) {
    auto replace = [&replacements](const MXExpressionPtr& node) -> MXExpressionPtr {
        if (node->expressionType() != MXExpressionTypeFunction) return node;
        const MXExpressionPtr* bound = replacements.find(node->function());
        return bound != nullptr ? *bound : nullptr;
    };
    return rebuildTree(pattern, replace, true);
}

}  // namespace mxcalc::detail
