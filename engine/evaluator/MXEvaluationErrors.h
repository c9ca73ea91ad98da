#pragma once
// The errors the evaluator itself reports: unresolved variables and functions, function
// results that give no number, and evaluations nested too deeply. Each is written only into
// a given, still empty slot; kept out of line so evaluation frames stay small.
#include <string_view>

#include "engine/expression/MXExpression.h"
#include "platform/error/MXError.h"

namespace mxcalc::detail {

// Error 14 for a variable node, naming it as it prints ("$x") and under MXUnknownVariableKey.
[[gnu::cold]] void MXReportUnresolvedVariable(MXError* slot, const MXExpression& variable);
// Error 15 naming the function, also under MXUnknownFunctionKey.
[[gnu::cold]] void MXReportUnresolvedFunction(MXError* slot, std::u16string_view name);
// Error 16: the function returned something that gives no number.
[[gnu::cold]] void MXReportInvalidReturnType(MXError* slot, std::u16string_view name);
// Error 16: the function's result was lost to the evaluation depth limit.
[[gnu::cold]] void MXReportNestedTooDeeply(MXError* slot, std::u16string_view name);

// Writes "error: %@" with the error to the log ("(null)" when no error was reported).
void MXLogEvaluationError(const MXError& error);

}  // namespace mxcalc::detail
