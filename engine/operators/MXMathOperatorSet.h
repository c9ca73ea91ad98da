#pragma once
// The table of operators, looked up by spelling (case-insensitively) and by function name.
// Kept sorted by ascending precedence; inserting an operator renumbers the levels above it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/operators/MXMathOperator.h"
#include "engine/operators/MXOperatorCharacterSet.h"

class MXMathOperatorSet {
public:
    using Operators = std::vector<MXMathOperatorPtr>;

    // A set of its own records of the default operator list, in modulo mode.
    MXMathOperatorSet();
    // Same as the default constructor: the operators passed in are not consulted.
    explicit MXMathOperatorSet(const Operators& operators);
    MXMathOperatorSet(const MXMathOperatorSet&) = delete;
    MXMathOperatorSet& operator=(const MXMathOperatorSet&) = delete;

    // The process-wide set, created on first request; mutable and shared by every tokenizer,
    // parser and evaluator.
    static const std::shared_ptr<MXMathOperatorSet>& defaultOperatorSet();

    // The operators in ascending precedence.
    Operators operators() const { return operators_; }
    Operators::const_iterator begin() const { return operators_.begin(); }
    Operators::const_iterator end() const { return operators_.end(); }

    // Exact (case-sensitive) function name; null when unknown.
    MXMathOperatorPtr operatorForFunction(std::u16string_view function) const;
    // Every operator a spelling (any case) may mean, in registration order; empty when unknown.
    Operators operatorsForToken(std::u16string_view token) const;
    // The same for a spelling already lower-cased, without copying; null when unknown.
    const Operators* operatorsForLowercaseToken(std::u16string_view token) const;

    // Set the new operator's precedence from the reference operator (plus one, equal, minus
    // one) and insert it. An operator for a function already present only adds its tokens.
    // A new function with an already registered token throws std::invalid_argument
    // ("An operator is already defined for '%@'").
    void addOperatorWithPrecedenceHigherThan(const MXMathOperatorPtr& newOperator,
                                             const MXMathOperatorPtr& existingOperator);
    void addOperatorWithPrecedenceSameAs(const MXMathOperatorPtr& newOperator,
                                         const MXMathOperatorPtr& existingOperator);
    void addOperatorWithPrecedenceLowerThan(const MXMathOperatorPtr& newOperator,
                                            const MXMathOperatorPtr& existingOperator);
    // Adds spellings to the operator of a function; throws std::invalid_argument
    // ("No operator is defined for function '%@'") when there is none.
    void addTokens(const std::vector<std::u16string>& tokens, std::u16string_view function);

    // "%" means binary "mod" (true, the initial state) or postfix "percent" (false).
    bool interpretsPercentSignAsModulo() const { return interpretsPercentSignAsModulo_; }
    void setInterpretsPercentSignAsModulo(bool modulo);

    // A new set from the default list, given this set's percent setting.
    std::shared_ptr<MXMathOperatorSet> copy() const;

    // Every unit that occurs in a token, as the set is now (rebuilt whenever the set changes).
    const std::shared_ptr<const MXOperatorCharacterSet>& operatorCharacters() const { return operatorCharacters_; }
    // The length of the longest token.
    size_t maximumTokenLength() const { return maximumTokenLength_; }

private:
    enum class Relativity { Lower, Same, Higher };

    void registerOperator(const MXMathOperatorPtr& op);
    void processNewOperator(const MXMathOperatorPtr& newOperator, Relativity relativity);
    void renumberAround(const MXMathOperatorPtr& newOperator, Relativity relativity);
    void appendTokens(const MXMathOperatorPtr& registered, const std::vector<std::u16string>& tokens);
    void removePercentOperator();
    void sortByPrecedence();
    void refreshTokenFacts();

    // Hash and equality that let the maps be searched with a string view.
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::u16string_view text) const { return std::hash<std::u16string_view>()(text); }
    };
    struct TextEqual {
        using is_transparent = void;
        bool operator()(std::u16string_view a, std::u16string_view b) const { return a == b; }
    };

    Operators operators_;
    std::unordered_map<std::u16string, MXMathOperatorPtr, TextHash, TextEqual> operatorsByFunction_;
    std::unordered_map<std::u16string, Operators, TextHash, TextEqual> operatorsByToken_;
    MXMathOperatorPtr percentTokenOperator_;
    bool interpretsPercentSignAsModulo_ = true;
    size_t maximumTokenLength_ = 0;
    std::shared_ptr<const MXOperatorCharacterSet> operatorCharacters_;
};
