#pragma once
// Angle-unit wrappers for the trigonometric built-ins: in degree mode an argument is
// wrapped in a "dtor" call and a result in an "rtod" call, which the evaluator then
// computes like any other call. In radian mode both return the expression unchanged.
#include "engine/expression/MXExpression.h"

class MXMathEvaluator;

namespace mxcalc::detail {

// Degrees to radians for an argument node: dtor(expression) in degree mode, unless the
// expression already is a dtor call. A missing evaluator counts as radian mode.
MXExpressionPtr MXDTOR(const MXExpressionPtr& expression, const MXMathEvaluator* evaluator, MXError* error);

// Radians to degrees for a result node: rtod(expression) in degree mode, unless the
// expression already is an rtod call. A missing evaluator counts as radian mode.
MXExpressionPtr MXRTOD(const MXExpressionPtr& expression, const MXMathEvaluator* evaluator, MXError* error);

}  // namespace mxcalc::detail
