// Reading one token of each kind from the scan position. A failed attempt notes why and
// restores the position (a hexadecimal number leaves it after its "0x").
#include <limits>

#include "engine/operators/MXTextUnits.h"
#include "engine/tokenizer/MXMathStringTokenizer.h"
#include "platform/text/MXText.h"

namespace {

bool isSingleCharacterFunction(char16_t unit) {
    return unit == u'\u03C0' || unit == u'\u03D5' || unit == u'\u03C4' || unit == u'\u03A7';
}

int hexDigitValue(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') return unit - u'0';
    if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
    if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
    return -1;
}

// Values beyond 64 bits saturate, as the platform's hexadecimal scanner does.
uint64_t hexValue(std::u16string_view digits) {
    uint64_t value = 0;
    for (char16_t unit : digits) {
        if (value > (std::numeric_limits<uint64_t>::max() >> 4)) return std::numeric_limits<uint64_t>::max();
        value = (value << 4) | uint64_t(hexDigitValue(unit));
    }
    return value;
}

std::u16string decimalText(uint64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::optional<MXMathStringToken> MXMathStringTokenizer::parseNumber() {
    const size_t start = characterIndex_;
    if (peekNextCharacter() == u'0' && start + 1 < length_ &&
        (characters_[start + 1] == u'x' || characters_[start + 1] == u'X')) {
        characterIndex_ += 2;
        return parseHexNumber();
    }
    while (mxcalc::detail::isDigitUnit(peekNextCharacter())) nextCharacter();
    if (peekNextCharacter() == u'.') {
        nextCharacter();
        while (mxcalc::detail::isDigitUnit(peekNextCharacter())) nextCharacter();
    }
    const size_t mantissaEnd = characterIndex_;
    if (peekNextCharacter() == u'e' || peekNextCharacter() == u'E') {
        nextCharacter();
        if (peekNextCharacter() == u'-' || peekNextCharacter() == u'+') nextCharacter();
        if (!mxcalc::detail::isDigitUnit(peekNextCharacter())) characterIndex_ = mantissaEnd;
        while (mxcalc::detail::isDigitUnit(peekNextCharacter())) nextCharacter();
    }
    const size_t length = characterIndex_ - start;
    if (length == 0 || (length == 1 && characters_[start] == u'.')) {
        fail(MXErrorCodeInvalidNumber, u"unable to parse number", start);
        return std::nullopt;
    }
    return MXMathStringToken::mathStringTokenWithToken(std::u16string_view(characters_).substr(start, length),
                                                       MXTokenTypeNumber);
}

std::optional<MXMathStringToken> MXMathStringTokenizer::parseHexNumber() {
    const size_t start = characterIndex_;
    while (hexDigitValue(peekNextCharacter()) >= 0) nextCharacter();
    if (characterIndex_ == start) {
        fail(MXErrorCodeInvalidNumber, u"unable to parse hex number", start);
        return std::nullopt;
    }
    const uint64_t value = hexValue(std::u16string_view(characters_).substr(start, characterIndex_ - start));
    return MXMathStringToken::mathStringTokenWithToken(decimalText(value), MXTokenTypeNumber);
}

std::u16string_view MXMathStringTokenizer::readIdentifier() {
    const size_t start = characterIndex_;
    const char16_t first = peekNextCharacter();
    if (isSingleCharacterFunction(first)) {
        nextCharacter();
        return std::u16string_view(characters_).substr(start, 1);
    }
    for (char16_t unit = first; unit != u'\0' && !mxcalc::detail::isWhitespaceUnit(unit) && !operatorCharacters_->contains(unit);
         unit = peekNextCharacter()) {
        nextCharacter();
    }
    if (characterIndex_ == start) {
        fail(MXErrorCodeInvalidIdentifier, u"unable to parse identifier", start);
        return {};
    }
    return std::u16string_view(characters_).substr(start, characterIndex_ - start);
}

std::optional<MXMathStringToken> MXMathStringTokenizer::parseFunction() {
    const std::u16string_view identifier = readIdentifier();
    if (identifier.empty()) return std::nullopt;
    return MXMathStringToken::mathStringTokenWithToken(identifier, MXTokenTypeFunction);
}

std::optional<MXMathStringToken> MXMathStringTokenizer::parseVariable() {
    const size_t start = characterIndex_;
    nextCharacter();
    const std::u16string_view name = readIdentifier();
    if (name.empty()) {
        fail(MXErrorCodeInvalidVariable, u"variable names must be at least 1 character long", start);
        return std::nullopt;
    }
    failed_ = false;
    return MXMathStringToken::mathStringTokenWithToken(name, MXTokenTypeVariable);
}

std::optional<MXMathStringToken> MXMathStringTokenizer::parseStringVariable() {
    const size_t start = characterIndex_;
    const char16_t quote = nextCharacter();
    std::u16string name;
    for (char16_t unit = nextCharacter(); unit != quote; unit = nextCharacter()) {
        if (unit == u'\\') unit = nextCharacter();
        if (unit == u'\0') {
            fail(MXErrorCodeInvalidVariable, u"Unable to parsed quoted variable name", start);
            return std::nullopt;
        }
        name.push_back(unit);
    }
    return MXMathStringToken::mathStringTokenWithToken(name, MXTokenTypeVariable);
}

std::optional<MXMathStringToken> MXMathStringTokenizer::parseOperator() {
    const size_t start = characterIndex_;
    const std::u16string_view lowered(caseInsensitiveCharacters_);
    if (!operatorCharacters_->contains(peekCharacter(caseInsensitiveCharacters_))) {
        failure_.unit = peekCharacter(caseInsensitiveCharacters_);
        fail(MXErrorCodeInvalidOperator, u" is not a valid operator", start);
        return std::nullopt;
    }
    // No token is longer than the longest one, so the run is searched no further.
    const size_t longest = std::min(operatorSet_->maximumTokenLength(), length_ - start);
    size_t matched = 0;
    const MXMathOperatorSet::Operators* meanings = nullptr;
    for (size_t n = 1; n <= longest && operatorCharacters_->contains(lowered[start + n - 1]); ++n) {
        if (const auto* found = operatorSet_->operatorsForLowercaseToken(lowered.substr(start, n))) {
            matched = n;
            meanings = found;
        }
    }
    if (matched == 0) {
        size_t end = start;
        while (end < length_ && operatorCharacters_->contains(lowered[end])) ++end;
        failure_.unit = end < length_ ? lowered[end] : u'\0';
        fail(MXErrorCodeInvalidOperator, u" is not a valid operator", start);
        return std::nullopt;
    }
    characterIndex_ = start + matched;
    return MXMathStringToken::operatorToken(lowered.substr(start, matched), *meanings);
}
