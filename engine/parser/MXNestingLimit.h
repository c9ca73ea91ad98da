#pragma once
// The deepest nesting a parse accepts, counting brackets, argument lists, prefix operators
// and the right operands of binary operators. The first operand of a left-associative
// operator stays at the operator's own depth, so flat chains (1+2+3, 2*3/4, 5!!) may be as
// long as the text. Deeper text fails with error 1 "expression nested too deeply"; the
// tokenizer already refuses brackets opened beyond it, before the rest of the text is read.
#include <string>

inline constexpr int MXMaximumNestingDepth = 1024;
extern const std::u16string MXNestedTooDeeplyMessage;
