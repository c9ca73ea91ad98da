#include "engine/expression/MXExpressionNodes.h"
#include "engine/expression/MXExpressionWalks.h"
#include "platform/text/MXText.h"

namespace mxcalc::detail {

std::shared_ptr<const MXFunctionExpression> MXFunctionExpression::make(std::u16string_view function,
                                                                       std::vector<MXExpressionPtr> arguments) {
    auto node = std::make_shared<MXFunctionExpression>(function, std::move(arguments));
    for (const MXExpressionPtr& argument : node->arguments_) argument->setParentExpression(node);
    return node;
}

MXFunctionExpression::MXFunctionExpression(std::u16string_view function, std::vector<MXExpressionPtr> arguments)
    : lowercaseFunction_(MXLowercase(function)), arguments_(std::move(arguments)) {
    if (lowercaseFunction_ != function) givenFunction_ = function;
}

// Arguments held by this node alone are taken apart here, one level at a time, so that
// releasing a chain of any depth does not nest destructor calls.
MXFunctionExpression::~MXFunctionExpression() {
    std::vector<MXExpressionPtr> pending = std::move(arguments_);
    while (!pending.empty()) {
        MXExpressionPtr node = std::move(pending.back());
        pending.pop_back();
        const auto* function = dynamic_cast<const MXFunctionExpression*>(node.get());
        if (function == nullptr || node.use_count() != 1) continue;
        // The last owner may take the arguments: nothing else can see the node any more.
        auto& owned = const_cast<MXFunctionExpression&>(*function);
        for (MXExpressionPtr& argument : owned.arguments_) pending.push_back(std::move(argument));
        owned.arguments_.clear();
    }
}

MXExpressionPtr MXFunctionExpression::copy() const { return deepCopy(*this); }

size_t MXFunctionExpression::hash() const { return std::hash<std::u16string>{}(lowercaseFunction_); }

bool MXFunctionExpression::isEqual(const MXExpression& other) const { return equalTrees(*this, other); }

std::u16string MXFunctionExpression::description() const {
    std::u16string text;
    appendDescription(*this, text);
    return text;
}

}  // namespace mxcalc::detail
