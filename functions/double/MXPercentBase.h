#pragma once
// Which number a percent is a share of.
#include "engine/expression/MXExpression.h"

namespace mxcalc::detail {

// The first operand of the binary add or subtract call whose second operand is the very
// node `percentCall`; nothing in any other position (the share is then one of 1).
MXExpressionPtr percentBase(const MXExpressionPtr& percentCall);

}  // namespace mxcalc::detail
