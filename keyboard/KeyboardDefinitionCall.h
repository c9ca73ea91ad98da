#pragma once
// Finding one call of a keyboard definition in an expression text: where the name stands,
// the bracket that ends the call, and its arguments.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mxcalc::detail {

struct KeyboardDefinitionCall {
    size_t start = 0;         // first unit of the name
    size_t closeBracket = 0;  // the ")" that ends the call
    std::u16string argumentText;
    std::vector<std::u16string> arguments;
};

// Position of the first `name` followed by "(" that is not preceded by a letter or "_";
// npos when there is none.
size_t findDefinitionCall(std::u16string_view text, std::u16string_view name);

// The call whose name starts at `start` (as found above). When the text lacks the ")" that
// matches the call's "(", the missing brackets are appended to `text`.
KeyboardDefinitionCall readDefinitionCall(std::u16string& text, size_t start, size_t nameLength);

// `text` split at every `separator` that stands outside round brackets; at least one piece.
std::vector<std::u16string> splitOutsideBrackets(std::u16string_view text, char16_t separator);

}  // namespace mxcalc::detail
