#include "engine/parser/MXParserTerm.h"

#include <stdexcept>

#include "engine/parser/MXGroupTerm.h"
#include "engine/parser/MXTermArena.h"
#include "engine/tokenizer/MXMathStringTokenizer.h"

namespace mxcalc::detail {

MXGroupTerm* MXParserTerm::rootTermWithTokenizer(MXMathStringTokenizer& tokenizer, MXTermArena& arena,
                                                 MXError* error) {
    MXTermList subterms(arena.resource());
    subterms.reserve(tokenizer.allObjects().size());
    while (tokenizer.peekNextObject() != nullptr) {
        MXParserTerm* term = termWithTokenizer(tokenizer, arena, 1, error);
        if (term == nullptr) return nullptr;
        subterms.push_back(term);
    }
    return arena.make<MXGroupTerm>(nullptr, std::move(subterms));
}

MXParserTerm* MXParserTerm::termWithTokenizer(MXMathStringTokenizer& tokenizer, MXTermArena& arena, int depth,
                                              MXError* error) {
    const MXMathStringToken* token = tokenizer.peekNextObject();
    if (token == nullptr) {
        MXError::overwriteSlot(error,
                               MXError::engineError(MXErrorCodeInvalidFormat, u"can't create a term with a nil token"));
        return nullptr;
    }
    switch (token->tokenType()) {
    case MXTokenTypeNumber:
        return arena.make<MXNumberTerm>(tokenizer.nextObject());
    case MXTokenTypeVariable:
        return arena.make<MXVariableTerm>(tokenizer.nextObject());
    case MXTokenTypeFunction:
        return MXFunctionTerm::functionWithTokenizer(tokenizer, arena, depth, error);
    case MXTokenTypeOperator:
        break;
    }
    if (token->isOperator(MXOperatorParenthesisOpen)) {
        return MXGroupTerm::groupWithTokenizer(tokenizer, arena, depth, error);
    }
    return arena.make<MXOperatorTerm>(tokenizer.nextObject());
}

bool MXParserTerm::resolveWithParser(MXParser&, int, MXError*) { return false; }

void MXParserTerm::appendDescription(std::u16string& out) const {
    if (token_ != nullptr) out += token_->token();
}

std::u16string MXParserTerm::description() const {
    std::u16string out;
    appendDescription(out);
    return out;
}

MXExpressionPtr MXParserTerm::expressionWithError(MXError*) const {
    throw std::invalid_argument("Subclasses must override the -expressionWithError: method");
}

bool MXParserTerm::isOperator(const std::u16string& function) const {
    return type() == MXParserTermTypeOperator && token_->isOperator(function);
}

bool MXNumberTerm::resolveWithParser(MXParser&, int, MXError*) {
    resolved_ = true;
    return true;
}

MXExpressionPtr MXNumberTerm::expressionWithError(MXError*) const {
    return MXExpression::numberExpressionWithNumber(token_->numberValue());
}

bool MXVariableTerm::resolveWithParser(MXParser&, int, MXError*) {
    resolved_ = true;
    return true;
}

void MXVariableTerm::appendDescription(std::u16string& out) const {
    out += u'$';
    out += token_->token();
}

MXExpressionPtr MXVariableTerm::expressionWithError(MXError* error) const {
    MXExpressionPtr variable = MXExpression::variableExpressionWithVariable(token_->token());
    if (!variable) {
        // A quoted name may be empty (or only "$"), which names no variable.
        MXError::overwriteSlot(error, MXError::engineError(MXErrorCodeInvalidVariable,
                                                           u"variable names must be at least 1 character long"));
    }
    return variable;
}

bool MXOperatorTerm::resolveWithParser(MXParser&, int, MXError* error) {
    const std::u16string& text = token_->token();
    if (operatorArity() == MXOperatorArityUnary && token_->operatorAssociativity() == MXOperatorAssociativityRight) {
        MXError::overwriteSlot(
            error, MXError::engineError(MXErrorCodeUnaryOperatorMissingRightOperand, u"no right operand to unary " + text));
    } else if (operatorArity() == MXOperatorArityUnary) {
        MXError::overwriteSlot(
            error, MXError::engineError(MXErrorCodeUnaryOperatorMissingLeftOperand, u"no left operand to unary " + text));
    } else {
        MXError::overwriteSlot(
            error, MXError::engineError(MXErrorCodeMissingOperands, u"missing operands for operator: " + text));
    }
    return false;
}

}  // namespace mxcalc::detail
