#pragma once
// Long and deep test inputs: a piece of text repeated.
#include <string>
#include <string_view>

inline std::u16string repeated(std::u16string_view piece, size_t count) {
    std::u16string text;
    text.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i) text += piece;
    return text;
}
