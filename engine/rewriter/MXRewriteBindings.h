#pragma once
// What the placeholders of a rule's template matched.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/expression/MXExpression.h"

namespace mxcalc::detail {

// Placeholder name ("__exp1", "__num2", ...) to the sub-expression it matched. A template
// has few placeholders, so a short list searched in order serves best.
class MXRewriteBindings {
public:
    using Entry = std::pair<std::u16string, MXExpressionPtr>;

    // The expression bound to `name`, or null.
    const MXExpressionPtr* find(std::u16string_view name) const;
    // Binds an unbound `name` to `expression`. True when `name` now stands for a tree equal
    // to `expression`.
    bool bind(std::u16string_view name, const MXExpressionPtr& expression);

    std::vector<Entry>::const_iterator begin() const { return entries_.begin(); }
    std::vector<Entry>::const_iterator end() const { return entries_.end(); }
    size_t size() const { return entries_.size(); }

private:
    std::vector<Entry> entries_;
};

}  // namespace mxcalc::detail
