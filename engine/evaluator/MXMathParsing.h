#pragma once
// Evaluating a text with the process-wide default evaluator.
#include <optional>
#include <string_view>

#include "engine/expression/MXExpression.h"

// Writes "error: %@" to the log and gives nothing on failure.
std::optional<MXNumber> MXNumberByEvaluatingString(std::u16string_view text,
                                                   const MXSubstitutions* substitutions = nullptr);
// Fills `error` (when given and still empty) on failure.
std::optional<MXNumber> MXNumberByEvaluatingString(std::u16string_view text, const MXSubstitutions* substitutions,
                                                   MXError* error);
