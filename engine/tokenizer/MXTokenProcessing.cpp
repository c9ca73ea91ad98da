// What happens to each token read: ambiguous signs get their meaning, unary plus is dropped,
// a bare function name gets "()", implicit multiplications are inserted, and brackets are
// followed to refuse nesting beyond the limit as soon as it is crossed.
#include <algorithm>

#include "engine/parser/MXNestingLimit.h"
#include "engine/tokenizer/MXMathStringTokenizer.h"

namespace {

bool isPostfixOperator(const MXMathStringToken& token) {
    return token.tokenType() == MXTokenTypeOperator && token.operatorArity() == MXOperatorArityUnary &&
           token.operatorAssociativity() == MXOperatorAssociativityLeft;
}

bool isPrefixOperator(const MXMathStringToken& token) {
    return token.tokenType() == MXTokenTypeOperator && token.operatorArity() == MXOperatorArityUnary &&
           token.operatorAssociativity() == MXOperatorAssociativityRight;
}

// The function an ambiguous "!" stands for after `previous`.
const std::u16string& exclamationMeaning(const MXMathStringToken* previous) {
    if (previous == nullptr) return MXOperatorLogicalNot;
    if (previous->tokenType() != MXTokenTypeOperator) return MXOperatorFactorial;
    // After the argument separator an operand starts, as after "(".
    if (previous->isOperator(MXOperatorComma)) return MXOperatorLogicalNot;
    if (previous->operatorArity() == MXOperatorArityBinary) return MXOperatorLogicalNot;
    if (previous->operatorAssociativity() != MXOperatorAssociativityRight) return MXOperatorFactorial;
    return MXOperatorLogicalNot;
}

}  // namespace

bool MXMathStringTokenizer::processToken(std::optional<MXMathStringToken>&& token) {
    if (token && token->isAmbiguous() && !processUnknownOperatorToken(*token)) return false;
    if (token && token->tokenType() == MXTokenTypeOperator && token->operatorType() == MXOperatorUnaryPlus) {
        return true;
    }
    const MXMathStringToken* current = token ? &*token : nullptr;
    processArgumentlessFunction(current);
    if (current != nullptr) processImplicitMultiplication(current);
    if (current != nullptr && !tracksNesting(*current)) return false;
    if (token) appendToken(std::move(token));
    return true;
}

bool MXMathStringTokenizer::tracksNesting(const MXMathStringToken& token) {
    if (token.isOperator(MXOperatorParenthesisClose)) {
        if (!bracketDepths_.empty()) bracketDepths_.pop_back();
        return true;
    }
    if (!token.isOperator(MXOperatorParenthesisOpen)) return true;
    const int termDepth = bracketDepths_.empty() ? 1 : bracketDepths_.back();
    // An argument list lies one deeper than a bracket would: the call is a term of its own.
    const bool arguments = !tokens_.empty() && tokens_.back().tokenType() == MXTokenTypeFunction;
    const int insideDepth = termDepth + (arguments ? 2 : 1);
    if (insideDepth > MXMaximumNestingDepth) {
        failed_ = true;
        failure_.code = MXErrorCodeInvalidFormat;
        failure_.message = MXNestedTooDeeplyMessage.c_str();
        return false;
    }
    bracketDepths_.push_back(insideDepth);
    return true;
}

bool MXMathStringTokenizer::processUnknownOperatorToken(MXMathStringToken& token) {
    const MXMathStringToken* previous = tokens_.empty() ? nullptr : &tokens_.back();
    const bool operandFollows =
        previous != nullptr && (previous->tokenType() != MXTokenTypeOperator || isPostfixOperator(*previous));
    const std::u16string* candidates[2] = {&MXOperatorUnaryPlus, &MXOperatorUnaryMinus};
    if (operandFollows) {
        candidates[0] = &MXOperatorAdd;
        candidates[1] = &MXOperatorMinus;
    }
    // The candidates' token lists holding the text are exactly the meanings registered for it.
    const MXMathOperatorSet::Operators* meanings = operatorSet_->operatorsForLowercaseToken(token.token());
    for (const std::u16string* candidate : candidates) {
        if (meanings == nullptr) break;
        const auto found = std::find_if(meanings->begin(), meanings->end(),
                                        [&](const MXMathOperatorPtr& op) { return op->function() == *candidate; });
        if (found != meanings->end()) {
            token.resolveToOperator(*found);
            return true;
        }
    }
    if (token.token() == u"!") token.resolveToOperatorFunction(exclamationMeaning(previous), *operatorSet_);
    if (!token.isAmbiguous()) return true;
    failed_ = true;
    failure_.code = MXErrorCodeUnknownOperatorPrecedence;
    failure_.message = u"unknown precedence for token: ";
    failure_.text = token.token();
    return false;
}

void MXMathStringTokenizer::processArgumentlessFunction(const MXMathStringToken* token) {
    if (tokens_.empty() || tokens_.back().tokenType() != MXTokenTypeFunction) return;
    if (token != nullptr && token->isOperator(MXOperatorParenthesisOpen)) return;
    appendOperatorToken(u"(");
    appendOperatorToken(u")");
}

void MXMathStringTokenizer::processImplicitMultiplication(const MXMathStringToken* token) {
    if (tokens_.empty()) return;
    const MXMathStringToken& previous = tokens_.back();
    const bool previousEndsOperand = previous.tokenType() == MXTokenTypeNumber ||
                                     previous.tokenType() == MXTokenTypeVariable || isPostfixOperator(previous);
    const bool currentStartsOperand = token->tokenType() != MXTokenTypeOperator || isPrefixOperator(*token);
    if (previousEndsOperand && currentStartsOperand) appendOperatorToken(u"*");
}

void MXMathStringTokenizer::appendOperatorToken(std::u16string_view text) {
    appendToken(MXMathStringToken::mathStringTokenWithToken(text, MXTokenTypeOperator, *operatorSet_));
}
