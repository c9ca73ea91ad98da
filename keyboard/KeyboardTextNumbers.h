#pragma once
// Reading numbers at the start of a text, the way the keyboard reads typed and stored texts.
#include <cstdint>
#include <string_view>

namespace mxcalc::detail {

// The value of the longest leading decimal numeral (after white space: an optional sign,
// digits with at most one ".", an optional exponent); 0 when there is none. Values beyond
// the double range give an infinity or zero of the numeral's sign.
double leadingDecimalValue(std::u16string_view text);

// The leading number in `base` (2 to 36) as the C library's string-to-unsigned-long-long
// conversion reads it: white space, an optional sign (a minus negates modulo 2^64), an
// optional 0x or 0X in base 16, then the digits of the base; no digits give 0 and a value
// beyond 64 bits the largest value.
uint64_t leadingUnsignedValue(std::u16string_view text, int base);

}  // namespace mxcalc::detail
