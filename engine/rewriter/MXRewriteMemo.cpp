#include "engine/rewriter/MXRewriteMemo.h"

#include <limits>
#include <vector>

namespace mxcalc::detail {

namespace {

constexpr size_t kRememberedRules = 64;

size_t saturatingSum(size_t a, size_t b) {
    return b > std::numeric_limits<size_t>::max() - a ? std::numeric_limits<size_t>::max() : a + b;
}

}  // namespace

MXRewriteMemo::Facts& MXRewriteMemo::factsOf(const MXExpressionPtr& node) {
    Facts& facts = facts_[node.get()];
    if (!facts.node) facts.node = node;
    return facts;
}

const MXRewriteMemo::Facts* MXRewriteMemo::find(const MXExpression& node) const {
    auto found = facts_.find(&node);
    return found == facts_.end() ? nullptr : &found->second;
}

bool MXRewriteMemo::isSimplified(const MXExpression& node) const {
    const Facts* facts = find(node);
    return facts != nullptr && facts->simplified;
}

void MXRewriteMemo::noteSimplified(const MXExpressionPtr& root) {
    std::vector<const MXExpressionPtr*> pending{&root};
    while (!pending.empty()) {
        const MXExpressionPtr& node = *pending.back();
        pending.pop_back();
        if (node->expressionType() != MXExpressionTypeFunction) continue;
        Facts& facts = factsOf(node);
        if (facts.simplified) continue;
        facts.simplified = true;
        for (const MXExpressionPtr& argument : node->arguments()) pending.push_back(&argument);
    }
}

bool MXRewriteMemo::leftUnchanged(const MXExpression& node, size_t rule) const {
    if (rule >= kRememberedRules || (rulesNoted_ >> rule & 1) == 0 || node.expressionType() != MXExpressionTypeFunction)
        return false;
    const Facts* facts = find(node);
    return facts != nullptr && (facts->unchangedByRules >> rule & 1) != 0;
}

void MXRewriteMemo::noteUnchanged(const MXExpressionPtr& node, size_t rule) {
    if (rule >= kRememberedRules) return;
    factsOf(node).unchangedByRules |= uint64_t{1} << rule;
    rulesNoted_ |= uint64_t{1} << rule;
}

size_t MXRewriteMemo::nodeCount(const MXExpressionPtr& root) {
    // Post-order with an explicit stack: a node is counted once all its arguments are.
    std::vector<std::pair<const MXExpressionPtr*, bool>> pending{{&root, false}};
    while (!pending.empty()) {
        auto [node, argumentsCounted] = pending.back();
        pending.pop_back();
        if (factsOf(*node).nodeCount != 0) continue;
        if ((*node)->expressionType() != MXExpressionTypeFunction) {
            facts_[node->get()].nodeCount = 1;
            continue;
        }
        const auto& arguments = (*node)->arguments();
        if (argumentsCounted) {
            size_t count = 1;
            for (const MXExpressionPtr& argument : arguments) count = saturatingSum(count, facts_[argument.get()].nodeCount);
            facts_[node->get()].nodeCount = count;
            continue;
        }
        pending.emplace_back(node, true);
        for (const MXExpressionPtr& argument : arguments) pending.emplace_back(&argument, false);
    }
    return facts_[root.get()].nodeCount;
}

}  // namespace mxcalc::detail
