#include "engine/evaluator/MXEvaluationErrors.h"

#include <string>

#include "platform/log/MXLog.h"

namespace detail {

MXError MXUnresolvedVariableError(const MXExpression& variable) {
    return MXError::engineError(MXErrorCodeUnresolvedVariable,
                                u"unable to resolve variable: " + variable.description(),
                                {{MXUnknownVariableKey, variable.variable()}});
}

MXError MXUnresolvedFunctionError(std::u16string_view name) {
    const std::u16string text(name);
    return MXError::engineError(MXErrorCodeUnresolvedFunction, u"unable to resolve function: " + text,
                                {{MXUnknownFunctionKey, text}});
}

MXError MXInvalidReturnTypeError(std::u16string_view name) {
    return MXError::engineError(MXErrorCodeInvalidFunctionReturnType,
                                u"invalid return type from " + std::u16string(name) + u" function");
}

MXError MXNestedTooDeeplyError(std::u16string_view name) {
    return MXError::engineError(MXErrorCodeInvalidFunctionReturnType,
                                u"expression nested too deeply in " + std::u16string(name) + u" function");
}

void MXLogEvaluationError(const MXError& error) {
    MXLog(u"error: " + (error.isEmpty() ? std::u16string(u"(null)") : error.description()));
}

}  // namespace detail
