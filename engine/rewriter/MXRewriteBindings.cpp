#include "engine/rewriter/MXRewriteBindings.h"

namespace mxcalc::detail {

const MXExpressionPtr* MXRewriteBindings::find(std::u16string_view name) const {
    for (const auto& [bound, expression] : entries_)
        if (bound == name) return &expression;
    return nullptr;
}

bool MXRewriteBindings::bind(std::u16string_view name, const MXExpressionPtr& expression) {
    if (const MXExpressionPtr* bound = find(name)) return (*bound)->isEqual(*expression);
    entries_.emplace_back(name, expression);
    return true;
}

}  // namespace mxcalc::detail
