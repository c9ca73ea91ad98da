#pragma once
// The errors the evaluator itself reports: unresolved variables and functions, function
// results that give no number, and evaluations nested too deeply.
#include <string_view>

#include "engine/expression/MXExpression.h"
#include "platform/error/MXError.h"

namespace detail {

// Error 14 for a variable node, naming it as it prints ("$x") and under MXUnknownVariableKey.
MXError MXUnresolvedVariableError(const MXExpression& variable);
// Error 15 naming the function, also under MXUnknownFunctionKey.
MXError MXUnresolvedFunctionError(std::u16string_view name);
// Error 16: the function returned something that gives no number.
MXError MXInvalidReturnTypeError(std::u16string_view name);
// Error 16: the function node lies beyond the evaluation depth limit.
MXError MXNestedTooDeeplyError(std::u16string_view name);

// Writes "error: %@" with the error to the log ("(null)" when no error was reported).
void MXLogEvaluationError(const MXError& error);

}  // namespace detail
