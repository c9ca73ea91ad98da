#include "keyboard/KeyboardTextEditing.h"

#include <algorithm>

namespace mxcalc::detail {

size_t countOccurrences(std::u16string_view text, std::u16string_view pattern) {
    if (pattern.empty()) return 0;
    size_t count = 0;
    for (size_t at = text.find(pattern); at != std::u16string_view::npos; at = text.find(pattern, at + pattern.size()))
        ++count;
    return count;
}

bool replaceOccurrences(std::u16string& text, std::u16string_view pattern, std::u16string_view replacement,
                        size_t maximumLength) {
    if (pattern.empty() || text.find(pattern) == std::u16string::npos) return true;
    const size_t limit = std::max(maximumLength, text.size());
    std::u16string result;
    result.reserve(text.size());
    size_t from = 0;
    for (size_t at = text.find(pattern); at != std::u16string::npos; at = text.find(pattern, from)) {
        result.append(text, from, at - from).append(replacement);
        from = at + pattern.size();
        if (result.size() > limit) return false;
    }
    result.append(text, from);
    if (result.size() > limit) return false;
    text = std::move(result);
    return true;
}

}  // namespace mxcalc::detail
