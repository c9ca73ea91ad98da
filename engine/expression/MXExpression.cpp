#include "engine/expression/MXExpression.h"

#include <stdexcept>

#include "engine/expression/MXExpressionNodes.h"

namespace {
[[noreturn]] void throwNotOverridden(const char* operation, bool invalidArgument) {
    const std::string message = std::string("this method should be overridden: ") + operation;
    if (invalidArgument) throw std::invalid_argument(message);
    throw std::logic_error(message);
}
}  // namespace

MXExpressionPtr MXExpression::numberExpressionWithNumber(std::optional<MXNumber> number) {
    return std::make_shared<mxcalc::detail::MXNumberExpression>(std::move(number));
}

MXExpressionPtr MXExpression::functionExpressionWithFunction(std::u16string_view function,
                                                             std::vector<MXExpressionPtr> arguments,
                                                             MXError* error) {
    for (const MXExpressionPtr& argument : arguments) {
        if (argument == nullptr) {
            MXError::overwriteSlot(error, MXError::engineError(MXErrorCodeInvalidArgument,
                                                               u"function arguments must be MXExpression objects"));
            return nullptr;
        }
    }
    return mxcalc::detail::MXFunctionExpression::make(function, std::move(arguments));
}

MXExpressionPtr MXExpression::variableExpressionWithVariable(std::u16string_view variable) {
    if (!variable.empty() && variable.front() == u'$') variable.remove_prefix(1);
    if (variable.empty()) return nullptr;
    return std::make_shared<mxcalc::detail::MXVariableExpression>(variable);
}

MXExpressionType MXExpression::expressionType() const { throwNotOverridden("expressionType", false); }

MXExpressionPtr MXExpression::copy() const { throwNotOverridden("copyWithZone:", false); }

MXExpressionPtr MXExpression::simplifiedExpressionWithEvaluator(MXMathEvaluator*, MXError*) const {
    throwNotOverridden("simplifiedExpressionWithEvaluator:error:", true);
}

const std::optional<MXNumber>& MXExpression::number() const {
    throw std::logic_error("This is not a numeric expression");
}

const std::u16string& MXExpression::function() const {
    throw std::invalid_argument("This is not a function expression");
}

const std::vector<MXExpressionPtr>& MXExpression::arguments() const {
    throw std::invalid_argument("This is not a function expression");
}

const std::u16string& MXExpression::variable() const {
    throw std::invalid_argument("This is not a variable expression");
}
