#pragma once
// The terms a parse works on: numbers, variables and operators taken from tokens, groups
// (brackets and the whole text) and function calls. Terms live in the parse's arena.
#include <cstdint>
#include <memory_resource>
#include <string>
#include <vector>

#include "engine/expression/MXExpression.h"
#include "engine/tokenizer/MXMathStringToken.h"
#include "platform/error/MXError.h"

class MXMathStringTokenizer;
class MXParser;

namespace mxcalc::detail {

class MXTermArena;
class MXGroupTerm;

enum MXParserTermType : int64_t {
    MXParserTermTypeInvalid = 0,
    MXParserTermTypeNumber = 1,
    MXParserTermTypeVariable = 2,
    MXParserTermTypeOperator = 3,
    MXParserTermTypeFunction = 4,
    MXParserTermTypeGroup = 5,
};

class MXParserTerm {
public:
    explicit MXParserTerm(const MXMathStringToken* token) : token_(token) {}
    MXParserTerm(const MXParserTerm&) = delete;
    MXParserTerm& operator=(const MXParserTerm&) = delete;

    // The whole token list as one group; null with the error written on failure.
    static MXGroupTerm* rootTermWithTokenizer(MXMathStringTokenizer& tokenizer, MXTermArena& arena,
                                              MXError* error);
    // One term from the next tokens; `depth` is the number of terms that will enclose it.
    static MXParserTerm* termWithTokenizer(MXMathStringTokenizer& tokenizer, MXTermArena& arena, int depth,
                                           MXError* error);

    virtual MXParserTermType type() const { return MXParserTermTypeInvalid; }
    // Folds the operators into function terms; `depth` is the number of enclosing terms.
    // The base term fails without an error.
    virtual bool resolveWithParser(MXParser& parser, int depth, MXError* error);
    virtual void appendDescription(std::u16string& out) const;
    std::u16string description() const;
    // The base term throws std::invalid_argument.
    virtual MXExpressionPtr expressionWithError(MXError* error) const;

    bool isResolved() const { return resolved_; }
    const MXMathStringToken* token() const { return token_; }
    // How many levels of terms lie below this one (0 for numbers, variables and operators).
    int height() const { return height_; }
    bool isOperator(const std::u16string& function) const;

protected:
    ~MXParserTerm() = default;

    const MXMathStringToken* token_;
    int height_ = 0;
    bool resolved_ = false;
};

class MXNumberTerm final : public MXParserTerm {
public:
    using MXParserTerm::MXParserTerm;
    MXParserTermType type() const override { return MXParserTermTypeNumber; }
    bool resolveWithParser(MXParser& parser, int depth, MXError* error) override;
    MXExpressionPtr expressionWithError(MXError* error) const override;
};

class MXVariableTerm final : public MXParserTerm {
public:
    using MXParserTerm::MXParserTerm;
    MXParserTermType type() const override { return MXParserTermTypeVariable; }
    bool resolveWithParser(MXParser& parser, int depth, MXError* error) override;
    void appendDescription(std::u16string& out) const override;
    MXExpressionPtr expressionWithError(MXError* error) const override;
};

// An operator that was never given its operands: resolving it always fails.
class MXOperatorTerm final : public MXParserTerm {
public:
    using MXParserTerm::MXParserTerm;
    MXParserTermType type() const override { return MXParserTermTypeOperator; }
    bool resolveWithParser(MXParser& parser, int depth, MXError* error) override;
    const std::u16string& operatorType() const { return token_->operatorType(); }
    int64_t operatorPrecedence() const { return token_->operatorPrecedence(); }
    MXOperatorArity operatorArity() const { return token_->operatorArity(); }
    const std::u16string& operatorFunction() const { return token_->operatorFunction(); }
};

using MXTermList = std::pmr::vector<MXParserTerm*>;

}  // namespace mxcalc::detail
