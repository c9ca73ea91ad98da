// Dispatch of a function node: the library's own built-in, else the evaluator's resolution.
#include "functions/library/MXFunctionEvaluator.h"

#include "engine/evaluator/MXMathEvaluator.h"
#include "functions/double/MXDoubleBuiltins.h"
#include "functions/library/MXBuiltinIndex.h"

namespace mxcalc::detail {
namespace {

// A lone "e" is no constant: only an operand of a power reaches the built-in e.
bool isLoneE(const MXExpression& function) {
    const std::u16string& name = function.function();
    if (name.size() != 1 || name[0] != u'e') return false;
    const MXExpressionPtr parent = function.parentExpression();
    return !parent || parent->expressionType() != MXExpressionTypeFunction || parent->function() != u"pow";
}

}  // namespace

MXExpressionPtr MXFunctionEvaluator::evaluateFunction(const MXExpressionPtr& function,
                                                      const MXSubstitutions* substitutions, MXError* error) {
    if (!isLoneE(*function)) {
        if (const MXBuiltin builtin = findBuiltin(function->function())) {
            return builtin(*this, function->arguments(), substitutions, error);
        }
    }
    if (evaluator_ == nullptr) return nullptr;
    return evaluator_->resolveFunction(function, substitutions, error);
}

MXBuiltin MXFunctionEvaluator::findBuiltin(std::u16string_view name) const {
    static const MXBuiltinIndex index(MXDoubleBuiltinTable());
    return index.find(name);
}

std::optional<MXNumber> MXFunctionEvaluator::evaluateArgument(const MXExpressionPtr& argument,
                                                              const MXSubstitutions* substitutions,
                                                              MXError* error) const {
    if (evaluator_ == nullptr) return std::nullopt;
    return evaluator_->evaluateExpression(argument, substitutions, error);
}

}  // namespace mxcalc::detail
