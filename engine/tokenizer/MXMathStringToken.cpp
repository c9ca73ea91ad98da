#include "engine/tokenizer/MXMathStringToken.h"

#include <cstdlib>
#include <optional>

#include "engine/operators/MXMathOperatorSet.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"

namespace {

const std::u16string emptyText;

bool hasNonZeroDigitBeforeExponent(const std::u16string& text) {
    for (char16_t unit : text) {
        if (unit == u'e' || unit == u'E') return false;
        if (unit >= u'1' && unit <= u'9') return true;
    }
    return false;
}

// A numeral beyond the decimal record's exponent range (1e300, 1e-200) keeps its value as
// a double instead of reading as 0.
std::optional<MXNumber> doubleFromNumeral(const std::u16string& text) {
    if (text.empty() || !((text[0] >= u'0' && text[0] <= u'9') || text[0] == u'.')) return std::nullopt;
    const std::string ascii = MXToUtf8(text);
    char* end = nullptr;
    const double value = std::strtod(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size()) return std::nullopt;
    return MXNumber(value);
}

MXNumber decimalNumberFromText(const std::u16string& text) {
    const MXDecimalRecord value = MXDecimalRecordFromString(text);
    const bool outOfRange = value.isNaN || (value.isZero() && hasNonZeroDigitBeforeExponent(text));
    if (!outOfRange) return MXNumber::numberWithDecimal(value);
    if (const auto number = doubleFromNumeral(text)) return *number;
    MXLog(u"supposedly invalid number: " + text);
    return MXNumber::numberWithDecimal(MXDecimalRecord::zero());
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
