// Evaluation of trees: numbers as stored, variables through substitutions and the variable
// resolver, functions through the library and then the evaluator's own resolution.
#include "engine/evaluator/MXEvaluationErrors.h"
#include "engine/evaluator/MXKnownValues.h"
#include "engine/evaluator/MXMathEvaluator.h"
#include "functions/library/MXFunctionEvaluator.h"

namespace {

const MXValue* findSubstitution(const MXSubstitutions* substitutions, const std::u16string& name) {
    if (!substitutions) return nullptr;
    const auto found = substitutions->find(name);
    return found == substitutions->end() ? nullptr : &found->second;
}

}  // namespace

class MXMathEvaluator::EvaluationScope {
public:
    explicit EvaluationScope(MXMathEvaluator& evaluator) : evaluator_(evaluator) { ++evaluator_.evaluationDepth_; }
    ~EvaluationScope() {
        if (--evaluator_.evaluationDepth_ > 0) return;
        evaluator_.depthExceeded_ = false;
        if (!evaluator_.retiredFunctionEvaluators_.empty()) evaluator_.retiredFunctionEvaluators_.clear();
    }
    EvaluationScope(const EvaluationScope&) = delete;
    EvaluationScope& operator=(const EvaluationScope&) = delete;

    // Marks the evaluation when this node lies beyond the limit.
    bool tooDeep() const {
        if (evaluator_.evaluationDepth_ <= kMaximumEvaluationDepth) return false;
        evaluator_.depthExceeded_ = true;
        return true;
    }
    bool outermost() const { return evaluator_.evaluationDepth_ == 1; }

private:
    MXMathEvaluator& evaluator_;
};

void MXMathEvaluator::reportLostResult(MXError* error, const std::u16string& name, bool resolved) const {
    if (depthExceeded_) {
        mxcalc::detail::MXReportNestedTooDeeply(error, name);
    } else if (resolved) {
        mxcalc::detail::MXReportInvalidReturnType(error, name);
    } else {
        mxcalc::detail::MXReportUnresolvedFunction(error, name);
    }
}

std::optional<MXNumber> MXMathEvaluator::evaluateExpression(const MXExpressionPtr& expression,
                                                            const MXSubstitutions* substitutions, MXError* error) {
    if (!expression) return std::nullopt;
    switch (expression->expressionType()) {
        case MXExpressionTypeNumber:
            return expression->number();
        case MXExpressionTypeFunction:
            if (const KnownValue* known = knownValue(*expression, substitutions)) return known->value;
            return evaluateChain(expression, substitutions, error);
        case MXExpressionTypeVariable:
            return evaluateVariableExpression(expression, substitutions, error);
    }
    return std::nullopt;
}

std::optional<MXNumber> MXMathEvaluator::evaluateVariableExpression(const MXExpressionPtr& expression,
                                                                    const MXSubstitutions* substitutions,
                                                                    MXError* error) {
    const EvaluationScope scope(*this);
    std::optional<MXNumber> result;
    if (!scope.tooDeep()) {
        const std::u16string& name = expression->variable();
        if (const MXValue* substitution = findSubstitution(substitutions, name)) {
            result = evaluateValue(*substitution, substitutions, error);
        } else {
            result = evaluateValue(variableWithName(name), substitutions, error);
        }
    }
    if (!result) mxcalc::detail::MXReportUnresolvedVariable(error, *expression);
    return result;
}

std::optional<MXNumber> MXMathEvaluator::evaluateFunctionExpression(const MXExpressionPtr& expression,
                                                                    const MXSubstitutions* substitutions,
                                                                    MXError* error) {
    const EvaluationScope scope(*this);
    if (scope.tooDeep()) return std::nullopt;
    const std::u16string& name = expression->function();
    std::optional<MXNumber> value;
    if (const MXExpressionPtr returned = functionEvaluator_->evaluateFunction(expression, substitutions, error)) {
        value = evaluateExpression(returned, substitutions, error);
        if (!value) reportLostResult(error, name, true);
    } else if (scope.outermost() && depthExceeded_) {
        mxcalc::detail::MXReportNestedTooDeeply(error, name);
    }
    return value;
}

std::optional<MXNumber> MXMathEvaluator::evaluateValue(const MXValue& value, const MXSubstitutions* substitutions,
                                                       MXError* error) {
    if (const auto* expression = std::get_if<MXExpressionPtr>(&value)) {
        return evaluateExpression(*expression, substitutions, error);
    }
    if (const auto* text = std::get_if<std::u16string>(&value)) return evaluateString(*text, substitutions, error);
    if (const auto* number = std::get_if<MXNumber>(&value)) return *number;
    return std::nullopt;
}

MXExpressionPtr MXMathEvaluator::resolveFunction(const MXExpressionPtr& function, const MXSubstitutions* substitutions,
                                                 MXError* error) {
    const std::u16string& name = function->function();
    if (const auto found = functionMap_.find(name); found != functionMap_.end()) {
        // Held here so that the function survives its own removal while it runs.
        const std::shared_ptr<const MXMathFunction> registered = found->second;
        return callResolvedFunction(*registered, function, substitutions, error);
    }
    if (resolvesFunctionsAsVariables_) {
        if (MXExpressionPtr value = functionAsVariable(name, substitutions, error)) return value;
    }
    if (functionResolver_) {
        if (const MXMathFunction resolved = functionResolver_(name)) {
            return callResolvedFunction(resolved, function, substitutions, error);
        }
    }
    mxcalc::detail::MXReportUnresolvedFunction(error, name);
    return nullptr;
}

MXExpressionPtr MXMathEvaluator::functionAsVariable(const std::u16string& name, const MXSubstitutions* substitutions,
                                                    MXError* error) {
    std::optional<MXNumber> value;
    if (const MXValue* substitution = findSubstitution(substitutions, name)) {
        value = evaluateValue(*substitution, substitutions, error);
    }
    if (!value) value = evaluateValue(variableWithName(name), substitutions, error);
    return value ? MXExpression::numberExpressionWithNumber(value) : nullptr;
}

MXExpressionPtr MXMathEvaluator::callResolvedFunction(const MXMathFunction& resolved, const MXExpressionPtr& function,
                                                      const MXSubstitutions* substitutions, MXError* error) {
    MXExpressionPtr result = resolved(function->arguments(), substitutions, *this, error);
    if (!result) reportLostResult(error, function->function(), false);
    return result;
}
