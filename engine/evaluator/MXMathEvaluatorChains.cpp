// Remembered results, and chains of left-associative operators evaluated link by link from
// their innermost call: 1+2+...+n is a tree as deep as it is long, and walking it by recursion
// would cost a stack frame per term.
#include <memory>
#include <vector>

#include "engine/evaluator/MXKnownValues.h"
#include "engine/operators/MXMathOperatorSet.h"

namespace mxcalc::detail {

MXKnownValuesScope::~MXKnownValuesScope() {
    for (const MXExpression* node : remembered_) evaluator_.knownValues_->byNode.erase(node);
}

void MXKnownValuesScope::remember(const MXExpression& node, const MXSubstitutions* substitutions,
                                  std::optional<MXNumber> value) {
    auto& known = evaluator_.knownValues_;
    if (!known) known = std::make_unique<MXMathEvaluator::KnownValues>();
    if (known->byNode.try_emplace(&node, MXMathEvaluator::KnownValue{substitutions, std::move(value)}).second) {
        remembered_.push_back(&node);
    }
}

}  // namespace mxcalc::detail

const MXMathEvaluator::KnownValue* MXMathEvaluator::knownValue(const MXExpression& node,
                                                               const MXSubstitutions* substitutions) const {
    if (!knownValues_ || knownValues_->byNode.empty()) return nullptr;
    const auto found = knownValues_->byNode.find(&node);
    if (found == knownValues_->byNode.end() || found->second.substitutions != substitutions) return nullptr;
    return &found->second;
}

bool MXMathEvaluator::isChainLink(const MXExpression& node) const {
    if (node.arguments().empty()) return false;
    const auto& set = operatorSet_ ? operatorSet_ : MXMathOperatorSet::defaultOperatorSet();
    const MXMathOperatorPtr op = set->operatorForFunction(node.function());
    return op && op->associativity() == MXOperatorAssociativityLeft && op->arity() != MXOperatorArityUnknown;
}

std::optional<MXNumber> MXMathEvaluator::evaluateChain(const MXExpressionPtr& expression,
                                                       const MXSubstitutions* substitutions, MXError* error) {
    std::vector<const MXExpressionPtr*> links{&expression};
    for (const MXExpressionPtr* link = &expression; isChainLink(**link);) {
        const MXExpressionPtr& first = (*link)->arguments().front();
        if (first->expressionType() != MXExpressionTypeFunction || knownValue(*first, substitutions)) break;
        links.push_back(&first);
        link = &first;
    }
    if (links.size() == 1) return evaluateFunctionExpression(expression, substitutions, error);
    // Inner links first, as recursion would reach them; each link then finds its first
    // argument remembered. A failed link is remembered too, so the links above fail at once.
    mxcalc::detail::MXKnownValuesScope scope(*this);
    for (size_t index = links.size(); index-- > 1;) {
        const MXExpressionPtr& link = *links[index];
        scope.remember(*link, substitutions, evaluateFunctionExpression(link, substitutions, error));
    }
    return evaluateFunctionExpression(expression, substitutions, error);
}
