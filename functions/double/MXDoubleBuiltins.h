#pragma once
// The double-precision built-in functions, found by their lower-case names.
#include <string>
#include <unordered_map>

#include "functions/library/MXFunctionEvaluator.h"

// Name to built-in for all 95 names ("rnd" runs the same built-in as "random").
const std::unordered_map<std::u16string, mxcalc::detail::MXBuiltin>& MXDoubleBuiltinTable();
