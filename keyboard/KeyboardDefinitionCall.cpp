#include "keyboard/KeyboardDefinitionCall.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

namespace mxcalc::detail {
namespace {

// True when the character that ends just before `position` is a letter or "_".
bool precededByWordCharacter(std::u16string_view text, size_t position) {
    if (position == 0) return false;
    UChar32 previous = 0;
    int32_t index = static_cast<int32_t>(position);
    U16_PREV(text.data(), 0, index, previous);
    return previous == u'_' || u_isalpha(previous);
}

}  // namespace

size_t findDefinitionCall(std::u16string_view text, std::u16string_view name) {
    for (size_t at = text.find(name); at != std::u16string_view::npos; at = text.find(name, at + 1)) {
        const size_t open = at + name.size();
        if (open < text.size() && text[open] == u'(' && !precededByWordCharacter(text, at)) return at;
    }
    return std::u16string_view::npos;
}

KeyboardDefinitionCall readDefinitionCall(std::u16string& text, size_t start, size_t nameLength) {
    const size_t open = start + nameLength;
    size_t depth = 0;
    size_t close = open;
    for (; close < text.size(); ++close) {
        if (text[close] == u'(') ++depth;
        else if (text[close] == u')' && --depth == 0) break;
    }
    if (close == text.size()) {
        text.append(depth, u')');
        close = text.size() - 1;
    }
    KeyboardDefinitionCall call;
    call.start = start;
    call.closeBracket = close;
    call.argumentText = text.substr(open + 1, close - open - 1);
    call.arguments = splitOutsideBrackets(call.argumentText, u';');
    return call;
}

std::vector<std::u16string> splitOutsideBrackets(std::u16string_view text, char16_t separator) {
    std::vector<std::u16string> pieces(1);
    int depth = 0;
    for (char16_t c : text) {
        if (c == separator && depth <= 0) {
            pieces.emplace_back();
            continue;
        }
        if (c == u'(') ++depth;
        else if (c == u')') --depth;
        pieces.back() += c;
    }
    return pieces;
}

}  // namespace mxcalc::detail
