#include "engine/tokenizer/MXMathStringToken.h"

#include "engine/operators/MXMathOperatorSet.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"

namespace {

const std::u16string emptyText;

MXNumber decimalNumberFromText(const std::u16string& text) {
    MXDecimalRecord value = MXDecimalRecordFromString(text);
    if (value.isNaN) {
        MXLog(u"supposedly invalid number: " + text);
        value = MXDecimalRecord::zero();
    }
    return MXNumber::numberWithDecimal(value);
}

const char16_t* arityCode(MXOperatorArity arity) {
    switch (arity) {
    case MXOperatorArityUnary: return u"UN";
    case MXOperatorArityBinary: return u"BIN";
    default: return u"UNK";
    }
}

}  // namespace

std::optional<MXMathStringToken> MXMathStringToken::mathStringTokenWithToken(std::u16string_view text,
                                                                             MXTokenType type) {
    return mathStringTokenWithToken(text, type, *MXMathOperatorSet::defaultOperatorSet());
}

std::optional<MXMathStringToken> MXMathStringToken::mathStringTokenWithToken(std::u16string_view text,
                                                                             MXTokenType type,
                                                                             const MXMathOperatorSet& operatorSet) {
    if (type == MXTokenTypeOperator) {
        if (const auto* meanings = operatorSet.operatorsForLowercaseToken(text)) return operatorToken(text, *meanings);
        return operatorToken(text, operatorSet.operatorsForToken(text));
    }
    MXMathStringToken token(text, type);
    if (type == MXTokenTypeNumber) token.numberValue_ = decimalNumberFromText(token.token_);
    return token;
}

std::optional<MXMathStringToken> MXMathStringToken::operatorToken(std::u16string_view text,
                                                                  const MXMathOperatorSet::Operators& meanings) {
    if (meanings.empty()) return std::nullopt;
    MXMathStringToken token(text, MXTokenTypeOperator);
    if (meanings.size() == 1) {
        token.operatorInfo_ = meanings.front();
    } else {
        token.ambiguous_ = true;
        token.wasAmbiguous_ = true;
    }
    return token;
}

void MXMathStringToken::resolveToOperatorFunction(std::u16string_view function) {
    resolveToOperatorFunction(function, *MXMathOperatorSet::defaultOperatorSet());
}

void MXMathStringToken::resolveToOperatorFunction(std::u16string_view function, const MXMathOperatorSet& operatorSet) {
    resolveToOperator(operatorSet.operatorForFunction(function));
}

const std::u16string& MXMathStringToken::operatorType() const {
    if (ambiguous_) return MXOperatorInvalid;
    return operatorInfo_ ? operatorInfo_->function() : emptyText;
}

const std::u16string& MXMathStringToken::operatorFunction() const {
    return (operatorInfo_ && !ambiguous_) ? operatorInfo_->function() : emptyText;
}

int64_t MXMathStringToken::operatorPrecedence() const {
    if (ambiguous_) return -1;
    return operatorInfo_ ? operatorInfo_->precedence() : 0;
}

MXOperatorArity MXMathStringToken::operatorArity() const {
    return (operatorInfo_ && !ambiguous_) ? operatorInfo_->arity() : MXOperatorArityUnknown;
}

MXOperatorAssociativity MXMathStringToken::operatorAssociativity() const {
    return (operatorInfo_ && !ambiguous_) ? operatorInfo_->associativity() : MXOperatorAssociativityLeft;
}

std::u16string MXMathStringToken::description() const {
    return tokenType_ == MXTokenTypeVariable ? u"$" + token_ : token_;
}

std::u16string MXMathStringToken::debugDescription() const {
    std::u16string text = description();
    if (tokenType_ != MXTokenTypeOperator) return text;
    text += u" (arity:";
    text += arityCode(operatorArity());
    text += u", precedence:" + MXIntegerText(operatorPrecedence());
    text += operatorAssociativity() == MXOperatorAssociativityRight ? u", associativity:RIGHT" : u", associativity:LEFT";
    text += u", function:" + operatorFunction() + u")";
    return text;
}
