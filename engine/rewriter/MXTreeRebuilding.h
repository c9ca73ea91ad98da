#pragma once
// Rebuilding a tree bottom-up with an explicit stack, so that trees of any depth neither
// recurse nor overflow the stack.
#include <cstddef>
#include <utility>
#include <vector>

#include "engine/expression/MXExpressionNodes.h"

namespace mxcalc::detail {

// `replace(node)` gives the node's replacement, the node itself to keep it as it is, or null
// to go on into its arguments (a leaf given null stays as it is). A function node gone into
// is rebuilt over its new arguments when one of them changed, or always with
// `rebuildEveryCall`; otherwise it stays the very same node and is passed to `kept`.
template <typename Replace, typename Kept = void (*)(const MXExpressionPtr&)>
MXExpressionPtr rebuildTree(const MXExpressionPtr& root, Replace replace, bool rebuildEveryCall,
                            Kept kept = [](const MXExpressionPtr&) {}) {
    struct Frame {
        const MXExpressionPtr* source;
        size_t next;
        bool rebuild;
        // Filled once `rebuild` is set: every argument so far.
        std::vector<MXExpressionPtr> arguments;
    };
    std::vector<Frame> open;
    auto visit = [&](const MXExpressionPtr& node) -> MXExpressionPtr {
        if (MXExpressionPtr replacement = replace(node)) return replacement == node ? nullptr : replacement;
        if (node->expressionType() == MXExpressionTypeFunction) {
            open.push_back({&node, 0, rebuildEveryCall, {}});
            if (rebuildEveryCall) open.back().arguments.reserve(node->arguments().size());
        }
        return nullptr;
    };
    // Records the outcome of the argument just finished: its replacement, or null when it stayed.
    auto collect = [](Frame& frame, MXExpressionPtr replacement) {
        const auto& original = (*frame.source)->arguments();
        const size_t index = frame.next - 1;
        if (!replacement && !frame.rebuild) return;
        if (!frame.rebuild) {
            frame.rebuild = true;
            frame.arguments.reserve(original.size());
            frame.arguments.assign(original.begin(), original.begin() + std::ptrdiff_t(index));
        }
        frame.arguments.push_back(replacement ? std::move(replacement) : original[index]);
    };
    MXExpressionPtr replacement = visit(root);
    if (open.empty()) return replacement ? replacement : root;
    while (true) {
        Frame& frame = open.back();
        const auto& arguments = (*frame.source)->arguments();
        if (frame.next < arguments.size()) {
            const size_t opened = open.size();
            replacement = visit(arguments[frame.next++]);
            if (open.size() == opened) collect(open.back(), std::move(replacement));
            continue;
        }
        MXExpressionPtr rebuilt;
        if (frame.rebuild) {
            rebuilt = MXFunctionExpression::make((*frame.source)->function(), std::move(frame.arguments));
        } else {
            kept(*frame.source);
        }
        open.pop_back();
        if (open.empty()) return rebuilt ? rebuilt : root;
        collect(open.back(), std::move(rebuilt));
    }
}

}  // namespace mxcalc::detail
