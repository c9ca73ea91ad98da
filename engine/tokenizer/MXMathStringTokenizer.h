#pragma once
// Turns an expression text into its finished token list in one pass: resolves ambiguous
// signs, drops unary plus, adds "()" after a bare function name and inserts the implicit
// multiplications (2(3), 2π, (1)(2)). A NUL unit ends the text. A bracket opened deeper than
// any parse accepts ends tokenizing with error 1 "expression nested too deeply", so deep
// text costs no more than the part of it read.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/operators/MXMathOperatorSet.h"
#include "engine/tokenizer/MXMathStringToken.h"
#include "platform/error/MXError.h"

class MXMathStringTokenizer {
public:
    // No tokenizer, and the error written, when the text does not tokenize. Operators are
    // matched and given their meaning in the operator set given, else in the default set.
    static std::unique_ptr<MXMathStringTokenizer> tokenizerWithString(std::u16string_view text,
                                                                      MXError* error = nullptr);
    static std::unique_ptr<MXMathStringTokenizer> tokenizerWithString(std::u16string_view text,
                                                                      std::shared_ptr<MXMathOperatorSet> operatorSet,
                                                                      MXError* error = nullptr);
    virtual ~MXMathStringTokenizer() = default;
    MXMathStringTokenizer(const MXMathStringTokenizer&) = delete;
    MXMathStringTokenizer& operator=(const MXMathStringTokenizer&) = delete;

    // The token at the position and advance; null at the end.
    const MXMathStringToken* nextObject();
    // The token at the position; null at the end.
    const MXMathStringToken* peekNextObject() const;
    // The tokens from the position to the end, without advancing.
    std::span<const MXMathStringToken> allObjects() const;
    // Rewinds the enumeration (the list is not rebuilt).
    void reset();

    const std::shared_ptr<MXMathOperatorSet>& operatorSet() const { return operatorSet_; }
    // The units of the operator set's tokens, as they were when tokenizing began.
    const MXOperatorCharacterSet& operatorCharacters() const { return *operatorCharacters_; }

protected:
    MXMathStringTokenizer(std::u16string_view text, std::shared_ptr<MXMathOperatorSet> operatorSet);
    // Builds the token list; false with the error written on failure.
    bool tokenize(MXError* error);
    // Every token, inserted ones included, passes through here.
    void appendToken(std::optional<MXMathStringToken>&& token);
    // Called with each token before it is appended; does nothing here.
    virtual void didParseToken(const std::optional<MXMathStringToken>& token);

private:
    // Why the latest attempt failed; made into an error only when tokenizing fails.
    struct Failure {
        MXErrorCode code = MXErrorCode(0);
        const char16_t* message = nullptr;
        char16_t unit = 0;
        std::u16string text;
    };

    char16_t peekCharacter(const std::u16string& buffer) const {
        return characterIndex_ < length_ ? buffer[characterIndex_] : u'\0';
    }
    // Advances only past a unit that is not the end.
    char16_t nextCharacter(const std::u16string& buffer) {
        const char16_t unit = peekCharacter(buffer);
        if (unit != u'\0') ++characterIndex_;
        return unit;
    }
    char16_t peekNextCharacter() const { return peekCharacter(characters_); }
    char16_t nextCharacter() { return nextCharacter(characters_); }
    void skipWhitespace();
    bool fail(MXErrorCode code, const char16_t* message, size_t restoreTo);

    std::optional<MXMathStringToken> nextToken();
    std::optional<MXMathStringToken> parseNumber();
    std::optional<MXMathStringToken> parseHexNumber();
    std::optional<MXMathStringToken> parseFunction();
    // The identifier at the position, consumed; empty (and the failure noted) when there is none.
    std::u16string_view readIdentifier();
    std::optional<MXMathStringToken> parseVariable();
    std::optional<MXMathStringToken> parseStringVariable();
    std::optional<MXMathStringToken> parseOperator();
    bool processToken(std::optional<MXMathStringToken>&& token);
    bool processUnknownOperatorToken(MXMathStringToken& token);
    void processArgumentlessFunction(const MXMathStringToken* token);
    void processImplicitMultiplication(const MXMathStringToken* token);
    void appendOperatorToken(std::u16string_view text);
    // Follows the brackets as the parser will nest them; false, and the failure noted, for a
    // bracket opened beyond the nesting limit.
    bool tracksNesting(const MXMathStringToken& token);
    MXError failureError() const;

    std::shared_ptr<MXMathOperatorSet> operatorSet_;
    std::shared_ptr<const MXOperatorCharacterSet> operatorCharacters_;
    std::u16string characters_;
    std::u16string caseInsensitiveCharacters_;
    size_t length_ = 0;
    size_t characterIndex_ = 0;
    // The depth the parser gives the terms inside each open bracket, innermost last.
    std::vector<int> bracketDepths_;
    std::vector<MXMathStringToken> tokens_;
    size_t tokenIndex_ = 0;
    Failure failure_;
    bool failed_ = false;
};
