#pragma once
// Creates the function library an evaluator uses for its precision setting.
#include <memory>

#include "functions/library/MXFunctionEvaluator.h"

namespace mxcalc::detail {

// A new library object bound to `evaluator`: the decimal library for high precision, the
// double-precision one otherwise.
std::unique_ptr<MXFunctionEvaluator> MXMakeFunctionLibrary(MXMathEvaluator* evaluator, bool highPrecision);

}  // namespace mxcalc::detail
