#include "platform/text/MXText.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

std::string MXToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        UChar32 c;
        U16_NEXT(text.data(), i, text.size(), c);
        if (c < 0 || U_IS_SURROGATE(c)) c = 0xFFFD;
        char buffer[4];
        int32_t length = 0;
        UBool failed = false;
        U8_APPEND(buffer, length, 4, c, failed);
        if (!failed) out.append(buffer, static_cast<size_t>(length));
    }
    return out;
}

std::u16string MXFromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) c = 0xFFFD;
        if (U_IS_BMP(c)) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            out.push_back(static_cast<char16_t>(U16_LEAD(c)));
            out.push_back(static_cast<char16_t>(U16_TRAIL(c)));
        }
    }
    return out;
}

namespace {
template <typename Map>
std::u16string mapCodePoints(std::u16string_view text, Map map) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        UChar32 c;
        U16_NEXT(text.data(), i, text.size(), c);
        c = map(c);
        if (U_IS_BMP(c)) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            out.push_back(static_cast<char16_t>(U16_LEAD(c)));
            out.push_back(static_cast<char16_t>(U16_TRAIL(c)));
        }
    }
    return out;
}

// The lower case of a code unit whose mapping needs no case tables, or -1: ASCII, the signs
// the operator table uses (¬ ° º × ÷, punctuation, arrows, mathematical operators) and the
// Greek letters of the standard aliases.
int simpleLowercase(char16_t c) {
    if (c < 0x80) return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
    if (c == 0xAC || (c >= 0xB0 && c <= 0xBF) || c == 0xD7 || c == 0xF7) return c;
    if ((c >= 0x2000 && c <= 0x20CF) || (c >= 0x2190 && c <= 0x23FF)) return c;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;
    if ((c >= 0x3B1 && c <= 0x3C9) || c == 0x3D5) return c;
    return -1;
}

}  // namespace

std::u16string MXLowercase(std::u16string_view text) {
    std::u16string lowered(text);
    for (char16_t& c : lowered) {
        const int simple = simpleLowercase(c);
        if (simple < 0) return mapCodePoints(text, [](UChar32 code) { return u_tolower(code); });
        c = static_cast<char16_t>(simple);
    }
    return lowered;
}

std::u16string MXUppercase(std::u16string_view text) {
    return mapCodePoints(text, [](UChar32 c) { return u_toupper(c); });
}

std::u16string MXIntegerText(int64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}
