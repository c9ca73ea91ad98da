#pragma once
// The default operator list and the rule for operator tokens, shared by the operator
// records and the operator set.
#include <string_view>
#include <vector>

#include "engine/operators/MXMathOperator.h"

namespace mxcalc::detail {
// The process-wide default operator list with its construction precedences, in table order.
// Every call returns new records, so sets built from it never share records.
std::vector<MXMathOperatorPtr> defaultOperators();
// Not empty, no leading digit, '"', '$', '\'' or '.', no surrounding white space.
bool isValidOperatorToken(std::u16string_view token);
}  // namespace mxcalc::detail
