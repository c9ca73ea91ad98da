#include "engine/operators/MXMathOperator.h"

#include <cstdio>
#include <stdexcept>

#include "engine/operators/MXDefaultOperators.h"
#include "engine/operators/MXMathOperatorSet.h"
#include "engine/operators/MXTextUnits.h"
#include "platform/text/MXText.h"

namespace {

std::vector<std::u16string> lowercased(const std::vector<std::u16string>& tokens) {
    std::vector<std::u16string> result;
    result.reserve(tokens.size());
    for (const auto& token : tokens) result.push_back(MXLowercase(token));
    return result;
}

const char16_t* arityWord(MXOperatorArity arity) {
    switch (arity) {
    case MXOperatorArityUnary: return u"Unary";
    case MXOperatorArityBinary: return u"Binary";
    default: return u"Unknown";
    }
}

}  // namespace

MXMathOperator::MXMathOperator(std::u16string function, std::vector<std::u16string> tokens, MXOperatorArity arity,
                               int64_t precedence, MXOperatorAssociativity associativity)
    : function_(std::move(function)),
      tokens_(std::move(tokens)),
      arity_(arity),
      associativity_(associativity),
      precedence_(precedence) {}

MXMathOperator::MXMathOperator(std::u16string function, std::vector<std::u16string> tokens, MXOperatorArity arity,
                               MXOperatorAssociativity associativity)
    : MXMathOperator(std::move(function), {}, arity, 0, associativity) {
    if (arity == MXOperatorArityUnknown) {
        throw std::invalid_argument("Unable to create operator with unknown arity");
    }
    tokens_ = lowercased(tokens);
    for (const auto& token : tokens_) {
        if (!mxcalc::detail::isValidOperatorToken(token)) {
            throw std::invalid_argument("Invalid operator token: " + MXToUtf8(token));
        }
    }
}

void MXMathOperator::addTokens(const std::vector<std::u16string>& tokens) {
    for (auto& token : lowercased(tokens)) tokens_.push_back(std::move(token));
}

MXMathOperatorPtr MXMathOperator::copy() const {
    return std::make_shared<MXMathOperator>(function_, tokens_, arity_, precedence_, associativity_);
}

std::u16string MXMathOperator::description() const {
    char identity[64];
    std::snprintf(identity, sizeof identity, "<MXMathOperator: %p>", static_cast<const void*>(this));
    std::u16string joined;
    for (const auto& token : tokens_) {
        if (!joined.empty()) joined += u", ";
        joined += token;
    }
    return MXFromUtf8(identity) + u" {(" + joined + u") => " + function_ + u"(), Arity: " + arityWord(arity_) +
           u", Assoc: " + (associativity_ == MXOperatorAssociativityRight ? u"Right" : u"Left") +
           u", Precedence: " + MXIntegerText(precedence_) + u"}";
}

MXMathOperatorPtr MXMathOperator::infoForOperatorFunction(std::u16string_view function) {
    return MXMathOperatorSet::defaultOperatorSet()->operatorForFunction(function);
}

std::vector<MXMathOperatorPtr> MXMathOperator::infosForOperatorToken(std::u16string_view token) {
    return MXMathOperatorSet::defaultOperatorSet()->operatorsForToken(token);
}

namespace mxcalc::detail {

bool isValidOperatorToken(std::u16string_view token) {
    if (token.empty()) return false;
    const char16_t first = token.front();
    if (isDigitUnit(first) || first == u'"' || first == u'$' || first == u'\'' || first == u'.') return false;
    return !isWhitespaceUnit(first) && !isWhitespaceUnit(token.back());
}

}  // namespace mxcalc::detail
