#pragma once
// The flag that tells the evaluator's owner that the last root was taken of a negative
// number's magnitude, and the value varx reads: both through the evaluator's stored values.
#include "functions/library/MXFunctionEvaluator.h"

namespace mxcalc::detail {

// Raises the flag for a negative radicand; otherwise lowers it when it is raised.
void noteRadicandSign(const MXFunctionEvaluator& library, bool negative);
// The value the containing application shares; 0 without stored values.
double sharedVariableValue(const MXFunctionEvaluator& library);

}  // namespace mxcalc::detail
