#pragma once
// One token of an expression text: a number, an operator, an identifier (function token) or
// a variable. Operator tokens carry the default operator set's record for their meaning.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/operators/MXMathOperator.h"
#include "engine/operators/MXMathOperatorSet.h"
#include "platform/number/MXNumber.h"

enum MXTokenType : int64_t {
    MXTokenTypeNumber = 0,
    MXTokenTypeOperator = 1,
    MXTokenTypeFunction = 2,
    MXTokenTypeVariable = 3,
};

class MXMathStringToken {
public:
    // Numbers get their decimal value (a text the conversion rejects is logged and reads as
    // 0); operators are looked up (in any case) in the default operator set, or in the set
    // given: no operator for the text gives no token, several leave the token ambiguous.
    static std::optional<MXMathStringToken> mathStringTokenWithToken(std::u16string_view token, MXTokenType type);
    static std::optional<MXMathStringToken> mathStringTokenWithToken(std::u16string_view token, MXTokenType type,
                                                                     const MXMathOperatorSet& operatorSet);

    // Takes the operator of the default set (or of the set given) for the function; none
    // leaves the token ambiguous.
    void resolveToOperatorFunction(std::u16string_view function);
    void resolveToOperatorFunction(std::u16string_view function, const MXMathOperatorSet& operatorSet);

    // The text; hexadecimal literals hold their value in decimal digits, variables their name.
    const std::u16string& token() const { return token_; }
    MXTokenType tokenType() const { return tokenType_; }
    // Number tokens only.
    const std::optional<MXNumber>& numberValue() const { return numberValue_; }

    // Operator properties: MXOperatorInvalid, "", -1 and unknown/left while ambiguous;
    // empty or zero for other kinds of token.
    const std::u16string& operatorType() const;
    const std::u16string& operatorFunction() const;
    int64_t operatorPrecedence() const;
    MXOperatorArity operatorArity() const;
    MXOperatorAssociativity operatorAssociativity() const;
    const MXMathOperatorPtr& operatorInfo() const { return operatorInfo_; }
    bool isAmbiguous() const { return ambiguous_; }
    // True for an operator whose text had several meanings when it was read ("-", "!").
    bool wasAmbiguous() const { return wasAmbiguous_; }
    bool isOperator(const std::u16string& function) const {
        return tokenType_ == MXTokenTypeOperator && !ambiguous_ && operatorInfo_->function() == function;
    }

    // "$name" for variables, otherwise the text.
    std::u16string description() const;
    // The description, and for operators " (arity:BIN, precedence:13, associativity:LEFT, function:add)".
    std::u16string debugDescription() const;

private:
    friend class MXMathStringTokenizer;

    MXMathStringToken(std::u16string_view token, MXTokenType type) : token_(token), tokenType_(type) {}
    // An operator token for the meanings its text has (none gives no token).
    static std::optional<MXMathStringToken> operatorToken(std::u16string_view token,
                                                          const MXMathOperatorSet::Operators& meanings);
    void resolveToOperator(const MXMathOperatorPtr& op) {
        operatorInfo_ = op;
        ambiguous_ = op == nullptr;
    }

    std::u16string token_;
    MXTokenType tokenType_;
    std::optional<MXNumber> numberValue_;
    MXMathOperatorPtr operatorInfo_;
    bool ambiguous_ = false;
    bool wasAmbiguous_ = false;
};
