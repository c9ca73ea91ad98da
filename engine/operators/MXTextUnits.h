#pragma once
// Classes of single UTF-16 units shared by the operator set and the tokenizer.

namespace mxcalc::detail {

inline bool isDigitUnit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// The white-space-and-newline set: Unicode separators, tab, line feed to carriage return
// and next line.
inline bool isWhitespaceUnit(char16_t unit) {
    if (unit <= 0x20) return unit == 0x20 || (unit >= 0x09 && unit <= 0x0D);
    if (unit < 0x85) return false;
    return unit == 0x85 || unit == 0xA0 || unit == 0x1680 || (unit >= 0x2000 && unit <= 0x200A) ||
           unit == 0x2028 || unit == 0x2029 || unit == 0x202F || unit == 0x205F || unit == 0x3000;
}

// The lower-case form of one unit when it is a single unit, else the unit itself, so that a
// text lower-cased unit by unit keeps its indexes.
char16_t lowercasedUnit(char16_t unit);

}  // namespace mxcalc::detail
