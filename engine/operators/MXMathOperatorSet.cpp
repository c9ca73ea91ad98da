#include "engine/operators/MXMathOperatorSet.h"

#include <algorithm>
#include <stdexcept>

#include "engine/operators/MXDefaultOperators.h"
#include "platform/text/MXText.h"

namespace {

// A missing reference operator counts as level 0.
int64_t referenceLevel(const MXMathOperatorPtr& reference) { return reference ? reference->precedence() : 0; }

}  // namespace

MXMathOperatorSet::MXMathOperatorSet() : MXMathOperatorSet(Operators()) {}

MXMathOperatorSet::MXMathOperatorSet(const Operators&) : operators_(mxcalc::detail::defaultOperators()) {
    for (const auto& op : operators_) registerOperator(op);
    interpretsPercentSignAsModulo_ = true;
    percentTokenOperator_ = std::make_shared<MXMathOperator>(MXOperatorModulo, std::vector<std::u16string>{u"%"},
                                                             MXOperatorArityBinary, 0, MXOperatorAssociativityLeft);
    addOperatorWithPrecedenceHigherThan(percentTokenOperator_, operatorForFunction(MXOperatorMultiply));
}

const std::shared_ptr<MXMathOperatorSet>& MXMathOperatorSet::defaultOperatorSet() {
    static const std::shared_ptr<MXMathOperatorSet> set = std::make_shared<MXMathOperatorSet>();
    return set;
}

void MXMathOperatorSet::registerOperator(const MXMathOperatorPtr& op) {
    operatorsByFunction_[op->function()] = op;
    for (const auto& token : op->tokens()) operatorsByToken_[token].push_back(op);
}

MXMathOperatorPtr MXMathOperatorSet::operatorForFunction(std::u16string_view function) const {
    const auto found = operatorsByFunction_.find(function);
    return found == operatorsByFunction_.end() ? nullptr : found->second;
}

MXMathOperatorSet::Operators MXMathOperatorSet::operatorsForToken(std::u16string_view token) const {
    const Operators* found = operatorsForLowercaseToken(MXLowercase(token));
    return found == nullptr ? Operators() : *found;
}

const MXMathOperatorSet::Operators* MXMathOperatorSet::operatorsForLowercaseToken(std::u16string_view token) const {
    const auto found = operatorsByToken_.find(token);
    return found == operatorsByToken_.end() ? nullptr : &found->second;
}

void MXMathOperatorSet::addOperatorWithPrecedenceHigherThan(const MXMathOperatorPtr& newOperator,
                                                            const MXMathOperatorPtr& existingOperator) {
    newOperator->setPrecedence(referenceLevel(existingOperator) + 1);
    processNewOperator(newOperator, Relativity::Higher);
}

void MXMathOperatorSet::addOperatorWithPrecedenceSameAs(const MXMathOperatorPtr& newOperator,
                                                        const MXMathOperatorPtr& existingOperator) {
    newOperator->setPrecedence(referenceLevel(existingOperator));
    processNewOperator(newOperator, Relativity::Same);
}

void MXMathOperatorSet::addOperatorWithPrecedenceLowerThan(const MXMathOperatorPtr& newOperator,
                                                           const MXMathOperatorPtr& existingOperator) {
    newOperator->setPrecedence(referenceLevel(existingOperator) - 1);
    processNewOperator(newOperator, Relativity::Lower);
}

void MXMathOperatorSet::addTokens(const std::vector<std::u16string>& tokens, std::u16string_view function) {
    const MXMathOperatorPtr existing = operatorForFunction(function);
    if (!existing) {
        throw std::invalid_argument("No operator is defined for function '" + MXToUtf8(function) + "'");
    }
    auto merged = std::make_shared<MXMathOperator>(std::u16string(function), tokens, MXOperatorArityUnknown, 0,
                                                   MXOperatorAssociativityLeft);
    addOperatorWithPrecedenceSameAs(merged, existing);
}

void MXMathOperatorSet::processNewOperator(const MXMathOperatorPtr& newOperator, Relativity relativity) {
    if (const MXMathOperatorPtr existing = operatorForFunction(newOperator->function())) {
        existing->addTokens(newOperator->tokens());
        appendTokens(existing, newOperator->tokens());
        return;
    }
    for (const auto& token : newOperator->tokens()) {
        if (operatorsByToken_.contains(MXLowercase(token))) {
            throw std::invalid_argument("An operator is already defined for '" + MXToUtf8(token) + "'");
        }
    }
    operators_.push_back(newOperator);
    renumberAround(newOperator, relativity);
    sortByPrecedence();
    operatorsByFunction_[newOperator->function()] = newOperator;
    appendTokens(newOperator, newOperator->tokens());
}

void MXMathOperatorSet::renumberAround(const MXMathOperatorPtr& newOperator, Relativity relativity) {
    const int64_t level = newOperator->precedence();
    if (relativity == Relativity::Higher) {
        for (const auto& op : operators_) {
            if (op->precedence() >= level) op->setPrecedence(op->precedence() + 1);
        }
    } else if (relativity == Relativity::Lower) {
        for (const auto& op : operators_) {
            if (op->precedence() > level) op->setPrecedence(op->precedence() + 1);
        }
        newOperator->setPrecedence(level + 1);
    }
}

void MXMathOperatorSet::appendTokens(const MXMathOperatorPtr& registered, const std::vector<std::u16string>& tokens) {
    for (const auto& token : tokens) {
        Operators& meanings = operatorsByToken_[MXLowercase(token)];
        if (std::find(meanings.begin(), meanings.end(), registered) == meanings.end()) meanings.push_back(registered);
    }
    refreshTokenFacts();
}

void MXMathOperatorSet::sortByPrecedence() {
    std::stable_sort(operators_.begin(), operators_.end(),
                     [](const auto& a, const auto& b) { return a->precedence() < b->precedence(); });
}

void MXMathOperatorSet::setInterpretsPercentSignAsModulo(bool modulo) {
    if (modulo == interpretsPercentSignAsModulo_) return;
    interpretsPercentSignAsModulo_ = modulo;
    removePercentOperator();
    if (modulo) {
        percentTokenOperator_ = std::make_shared<MXMathOperator>(
            MXOperatorModulo, std::vector<std::u16string>{u"%"}, MXOperatorArityBinary, 0, MXOperatorAssociativityLeft);
        addOperatorWithPrecedenceHigherThan(percentTokenOperator_, operatorForFunction(MXOperatorMultiply));
    } else {
        percentTokenOperator_ = std::make_shared<MXMathOperator>(
            MXOperatorPercent, std::vector<std::u16string>{u"%"}, MXOperatorArityUnary, 0, MXOperatorAssociativityLeft);
        addOperatorWithPrecedenceHigherThan(percentTokenOperator_, operatorForFunction(MXOperatorUnaryMinus));
    }
}

void MXMathOperatorSet::removePercentOperator() {
    const MXMathOperatorPtr removed = percentTokenOperator_;
    std::erase(operators_, removed);
    operatorsByFunction_.erase(removed->function());
    for (const auto& token : removed->tokens()) {
        const auto found = operatorsByToken_.find(MXLowercase(token));
        if (found == operatorsByToken_.end()) continue;
        std::erase(found->second, removed);
        if (found->second.empty()) operatorsByToken_.erase(found);
    }
    refreshTokenFacts();
}

std::shared_ptr<MXMathOperatorSet> MXMathOperatorSet::copy() const {
    auto result = std::make_shared<MXMathOperatorSet>();
    result->setInterpretsPercentSignAsModulo(interpretsPercentSignAsModulo_);
    return result;
}

void MXMathOperatorSet::refreshTokenFacts() {
    auto characters = std::make_shared<MXOperatorCharacterSet>();
    maximumTokenLength_ = 0;
    for (const auto& [token, meanings] : operatorsByToken_) {
        characters->insert(token);
        maximumTokenLength_ = std::max(maximumTokenLength_, token.size());
    }
    operatorCharacters_ = std::move(characters);
}
