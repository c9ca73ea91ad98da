#include "engine/evaluator/MXEvaluationErrors.h"

#include <string>

#include "platform/log/MXLog.h"

namespace mxcalc::detail {
namespace {

bool isEmptySlot(const MXError* slot) { return slot != nullptr && slot->isEmpty(); }

}  // namespace

void MXReportUnresolvedVariable(MXError* slot, const MXExpression& variable) {
    if (!isEmptySlot(slot)) return;
    *slot = MXError::engineError(MXErrorCodeUnresolvedVariable, u"unable to resolve variable: " + variable.description(),
                                 {{MXUnknownVariableKey, variable.variable()}});
}

void MXReportUnresolvedFunction(MXError* slot, std::u16string_view name) {
    if (!isEmptySlot(slot)) return;
    const std::u16string text(name);
    *slot = MXError::engineError(MXErrorCodeUnresolvedFunction, u"unable to resolve function: " + text,
                                 {{MXUnknownFunctionKey, text}});
}

void MXReportInvalidReturnType(MXError* slot, std::u16string_view name) {
    if (!isEmptySlot(slot)) return;
    *slot = MXError::engineError(MXErrorCodeInvalidFunctionReturnType,
                                 u"invalid return type from " + std::u16string(name) + u" function");
}

void MXReportNestedTooDeeply(MXError* slot, std::u16string_view name) {
    if (!isEmptySlot(slot)) return;
    *slot = MXError::engineError(MXErrorCodeInvalidFunctionReturnType,
                                 u"expression nested too deeply in " + std::u16string(name) + u" function");
}

void MXLogEvaluationError(const MXError& error) {
    MXLog(u"error: " + (error.isEmpty() ? std::u16string(u"(null)") : error.description()));
}

}  // namespace mxcalc::detail
