#pragma once
// Whole-tree walks with explicit stacks, so that trees of any depth neither recurse nor
// overflow the stack.
#include <string>
#include <vector>

#include "engine/expression/MXExpressionNodes.h"

namespace mxcalc::detail {

// Same kind and same value; function nodes: same lower-cased name and argument count.
bool sameNodeValue(const MXExpression& left, const MXExpression& right);
// Pairwise equal nodes in the same shape.
bool equalTrees(const MXExpression& left, const MXExpression& right);
// Visits every node in written order: `open(node)` for each node, `separate()` between
// sibling arguments and `close()` after the arguments of a function node.
template <typename Open, typename Separate, typename Close>
void walkInWrittenOrder(const MXExpression& root, Open open, Separate separate, Close close) {
    struct Frame {
        const std::vector<MXExpressionPtr>* arguments;
        size_t next;
    };
    std::vector<Frame> pending;
    auto visit = [&](const MXExpression& node) {
        open(node);
        if (node.expressionType() == MXExpressionTypeFunction) pending.push_back({&node.arguments(), 0});
    };
    visit(root);
    while (!pending.empty()) {
        Frame& frame = pending.back();
        if (frame.next == frame.arguments->size()) {
            close();
            pending.pop_back();
            continue;
        }
        if (frame.next > 0) separate();
        visit(*(*frame.arguments)[frame.next++]);
    }
}

void appendDescription(const MXExpression& root, std::u16string& text);
// New function nodes throughout (lower-cased names); leaves copied by their own copy().
MXExpressionPtr deepCopy(const MXFunctionExpression& root);

}  // namespace mxcalc::detail
