#pragma once
// Results already computed for nodes of the tree being worked on. While a scope lives,
// evaluating one of the nodes it remembers, with the same substitutions, gives the remembered
// result (a failure gives nothing and writes no error) without walking the node's arguments
// again. Simplification remembers every call it folded; the evaluator remembers the links of
// a chain of left-associative operators (1+2+3+...), which it evaluates from the innermost
// call outwards, so that the chain's length costs neither stack nor repeated work.
#include <optional>
#include <unordered_map>
#include <vector>

#include "engine/evaluator/MXMathEvaluator.h"

struct MXMathEvaluator::KnownValue {
    const MXSubstitutions* substitutions;
    std::optional<MXNumber> value;
};

struct MXMathEvaluator::KnownValues {
    std::unordered_map<const MXExpression*, KnownValue> byNode;
};

namespace mxcalc::detail {

class MXKnownValuesScope {
public:
    explicit MXKnownValuesScope(MXMathEvaluator& evaluator) : evaluator_(evaluator) {}
    // Forgets what this scope remembered.
    ~MXKnownValuesScope();
    MXKnownValuesScope(const MXKnownValuesScope&) = delete;
    MXKnownValuesScope& operator=(const MXKnownValuesScope&) = delete;

    // A node that an enclosing scope remembers keeps that entry.
    void remember(const MXExpression& node, const MXSubstitutions* substitutions, std::optional<MXNumber> value);

private:
    MXMathEvaluator& evaluator_;
    std::vector<const MXExpression*> remembered_;
};

}  // namespace mxcalc::detail
