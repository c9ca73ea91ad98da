#pragma once
// Small text edits shared by the keyboard's operations.
#include <cstddef>
#include <string>
#include <string_view>

namespace mxcalc::detail {

// Non-overlapping occurrences of `pattern`, searched from the start.
size_t countOccurrences(std::u16string_view text, std::u16string_view pattern);

// Replaces every non-overlapping occurrence of `pattern`, searched from the start; an
// empty pattern changes nothing. When the result would be longer than `maximumLength`
// (and longer than the text), the text is left as it is and the answer is false.
bool replaceOccurrences(std::u16string& text, std::u16string_view pattern, std::u16string_view replacement,
                        size_t maximumLength = std::u16string::npos);

}  // namespace mxcalc::detail
