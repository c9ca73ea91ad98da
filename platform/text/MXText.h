#pragma once
// UTF-16 text helpers: the engine's strings are UTF-16, converted to UTF-8 only at the edges.
#include <cstdint>
#include <string>
#include <string_view>

std::string MXToUtf8(std::u16string_view text);
std::u16string MXFromUtf8(std::string_view text);

// Full lower-case mapping by code point (Greek capital chi becomes chi, and so on).
std::u16string MXLowercase(std::u16string_view text);
std::u16string MXUppercase(std::u16string_view text);

// Decimal text of an integer, as "%d"/"%ld" would print it.
std::u16string MXIntegerText(int64_t value);
