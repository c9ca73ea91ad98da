#include "engine/expression/MXExpressionWalks.h"

#include <utility>

namespace mxcalc::detail {

namespace {
bool sameNumber(const std::optional<MXNumber>& left, const std::optional<MXNumber>& right) {
    if (!left || !right) return !left && !right;
    return left->isEqualToNumber(*right);
}
}  // namespace

bool sameNodeValue(const MXExpression& left, const MXExpression& right) {
    if (&left == &right) return true;
    const MXExpressionType type = left.expressionType();
    if (type != right.expressionType()) return false;
    switch (type) {
        case MXExpressionTypeNumber: return sameNumber(left.number(), right.number());
        case MXExpressionTypeVariable: return left.variable() == right.variable();
        case MXExpressionTypeFunction:
            return left.function() == right.function() && left.arguments().size() == right.arguments().size();
    }
    return false;
}

bool equalTrees(const MXExpression& left, const MXExpression& right) {
    std::vector<std::pair<const MXExpression*, const MXExpression*>> pending{{&left, &right}};
    while (!pending.empty()) {
        const auto [a, b] = pending.back();
        pending.pop_back();
        if (a == b) continue;
        if (!sameNodeValue(*a, *b)) return false;
        if (a->expressionType() != MXExpressionTypeFunction) continue;
        const auto& leftArguments = a->arguments();
        const auto& rightArguments = b->arguments();
        for (size_t i = 0; i < leftArguments.size(); ++i)
            pending.emplace_back(leftArguments[i].get(), rightArguments[i].get());
    }
    return true;
}

void appendDescription(const MXExpression& root, std::u16string& text) {
    walkInWrittenOrder(
        root,
        [&](const MXExpression& node) {
            if (node.expressionType() != MXExpressionTypeFunction) {
                text += node.description();
                return;
            }
            text += node.function();
            text += u'(';
        },
        [&] { text += u','; }, [&] { text += u')'; });
}

MXExpressionPtr deepCopy(const MXFunctionExpression& root) {
    struct Frame {
        const MXExpression* source;
        size_t next;
        std::vector<MXExpressionPtr> copies;
    };
    auto frameFor = [](const MXExpression& source) {
        Frame frame{&source, 0, {}};
        frame.copies.reserve(source.arguments().size());
        return frame;
    };
    std::vector<Frame> open;
    open.push_back(frameFor(root));
    while (true) {
        Frame& frame = open.back();
        const auto& arguments = frame.source->arguments();
        if (frame.next < arguments.size()) {
            const MXExpression& argument = *arguments[frame.next++];
            if (argument.expressionType() == MXExpressionTypeFunction)
                open.push_back(frameFor(argument));
            else
                frame.copies.push_back(argument.copy());
            continue;
        }
        MXExpressionPtr copied = MXFunctionExpression::make(frame.source->function(), std::move(frame.copies));
        open.pop_back();
        if (open.empty()) return copied;
        open.back().copies.push_back(std::move(copied));
    }
}

}  // namespace mxcalc::detail
