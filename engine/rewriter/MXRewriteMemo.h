#pragma once
// What one rewriting call has learnt about the nodes it met, so that each pass after the
// first works only on what the previous pass changed: which nodes came out of a
// simplification (simplifying them again gives an equal tree), which subtrees a rule left
// as they were (it would leave them again: matching looks only at the subtree), and how many
// nodes each subtree has. A flat chain that loses one term per pass then costs the same in
// total as a few passes over it. Nodes are held while the memo lives, so no address seen is
// reused for another node. Only function nodes are remembered as simplified or unchanged:
// the others cost no more to look at again than to look up.
#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "engine/expression/MXExpression.h"

namespace mxcalc::detail {

class MXRewriteMemo {
public:
    bool isSimplified(const MXExpression& node) const;
    // Marks every node of the tree, stopping at nodes marked before.
    void noteSimplified(const MXExpressionPtr& root);

    // Rules past the 64th are never remembered.
    bool leftUnchanged(const MXExpression& node, size_t rule) const;
    void noteUnchanged(const MXExpressionPtr& node, size_t rule);

    // The number of nodes, shared nodes counted each time they occur (saturating).
    size_t nodeCount(const MXExpressionPtr& root);

private:
    struct Facts {
        MXExpressionPtr node;
        bool simplified = false;
        uint64_t unchangedByRules = 0;
        size_t nodeCount = 0;
    };
    Facts& factsOf(const MXExpressionPtr& node);
    const Facts* find(const MXExpression& node) const;

    std::unordered_map<const MXExpression*, Facts> facts_;
    // The rules with a subtree noted unchanged: the others need no look-up.
    uint64_t rulesNoted_ = 0;
};

}  // namespace mxcalc::detail
