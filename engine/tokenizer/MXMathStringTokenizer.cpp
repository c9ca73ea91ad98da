#include "engine/tokenizer/MXMathStringTokenizer.h"

#include <algorithm>

#include "engine/operators/MXTextUnits.h"
#include "platform/text/MXText.h"

namespace {

std::u16string lowercasedUnits(std::u16string_view text) {
    std::u16string lowered(text);
    for (char16_t& unit : lowered) unit = mxcalc::detail::lowercasedUnit(unit);
    return lowered;
}

std::u16string_view untilFirstNul(std::u16string_view text) {
    return text.substr(0, std::min(text.find(u'\0'), text.size()));
}

}  // namespace

std::unique_ptr<MXMathStringTokenizer> MXMathStringTokenizer::tokenizerWithString(std::u16string_view text,
                                                                                  MXError* error) {
    return tokenizerWithString(text, nullptr, error);
}

std::unique_ptr<MXMathStringTokenizer> MXMathStringTokenizer::tokenizerWithString(
    std::u16string_view text, std::shared_ptr<MXMathOperatorSet> operatorSet, MXError* error) {
    std::unique_ptr<MXMathStringTokenizer> tokenizer(new MXMathStringTokenizer(text, std::move(operatorSet)));
    if (!tokenizer->tokenize(error)) return nullptr;
    return tokenizer;
}

MXMathStringTokenizer::MXMathStringTokenizer(std::u16string_view text, std::shared_ptr<MXMathOperatorSet> operatorSet)
    : operatorSet_(operatorSet ? std::move(operatorSet) : MXMathOperatorSet::defaultOperatorSet()),
      operatorCharacters_(operatorSet_->operatorCharacters()),
      characters_(untilFirstNul(text)),
      caseInsensitiveCharacters_(lowercasedUnits(characters_)),
      length_(characters_.size()) {}

const MXMathStringToken* MXMathStringTokenizer::nextObject() {
    if (tokenIndex_ >= tokens_.size()) return nullptr;
    return &tokens_[tokenIndex_++];
}

const MXMathStringToken* MXMathStringTokenizer::peekNextObject() const {
    return tokenIndex_ < tokens_.size() ? &tokens_[tokenIndex_] : nullptr;
}

std::span<const MXMathStringToken> MXMathStringTokenizer::allObjects() const {
    return std::span<const MXMathStringToken>(tokens_).subspan(std::min(tokenIndex_, tokens_.size()));
}

void MXMathStringTokenizer::reset() {
    tokenIndex_ = 0;
    characterIndex_ = 0;
}

bool MXMathStringTokenizer::tokenize(MXError* error) {
    characterIndex_ = 0;
    tokens_.clear();
    bracketDepths_.clear();
    failed_ = false;
    bool readAny = false;
    while (std::optional<MXMathStringToken> token = nextToken()) {
        readAny = true;
        if (!processToken(std::move(token))) break;
    }
    if (!failed_) processToken(std::nullopt);
    if (failed_) {
        MXError::overwriteSlot(error, failureError());
        return false;
    }
    if (readAny) MXError::overwriteSlot(error, MXError());
    return true;
}

void MXMathStringTokenizer::appendToken(std::optional<MXMathStringToken>&& token) {
    didParseToken(token);
    if (token) tokens_.push_back(std::move(*token));
}

void MXMathStringTokenizer::didParseToken(const std::optional<MXMathStringToken>&) {}

void MXMathStringTokenizer::skipWhitespace() {
    while (mxcalc::detail::isWhitespaceUnit(peekNextCharacter())) nextCharacter();
}

bool MXMathStringTokenizer::fail(MXErrorCode code, const char16_t* message, size_t restoreTo) {
    characterIndex_ = restoreTo;
    failed_ = true;
    failure_.code = code;
    failure_.message = message;
    return false;
}

MXError MXMathStringTokenizer::failureError() const {
    switch (failure_.code) {
    case MXErrorCodeInvalidOperator:
        return MXError::engineError(failure_.code, std::u16string(1, failure_.unit) + failure_.message);
    case MXErrorCodeUnknownOperatorPrecedence:
        return MXError::engineError(failure_.code, failure_.message + failure_.text);
    default:
        return MXError::engineError(failure_.code, failure_.message);
    }
}

std::optional<MXMathStringToken> MXMathStringTokenizer::nextToken() {
    skipWhitespace();
    const char16_t unit = peekNextCharacter();
    if (unit == u'\0') return std::nullopt;
    std::optional<MXMathStringToken> token;
    if (mxcalc::detail::isDigitUnit(unit) || unit == u'.') {
        token = parseNumber();
    } else if (unit == u'"' || unit == u'\'') {
        token = parseStringVariable();
    } else if (unit == u'$') {
        token = parseVariable();
    }
    if (!token) token = parseOperator();
    if (!token) token = parseFunction();
    if (token) failed_ = false;
    return token;
}
