#pragma once
// Turns a token list into one expression tree in which every operator is a function call:
// groups the tokens by brackets and argument lists, folds each group by precedence, then
// converts the terms into expression nodes.
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/expression/MXExpression.h"
#include "engine/operators/MXMathOperatorSet.h"
#include "engine/parser/MXNestingLimit.h"
#include "engine/tokenizer/MXMathStringTokenizer.h"
#include "platform/error/MXError.h"


namespace mxcalc::detail {
class MXTermArena;
}

class MXParser {
public:
    // Tokenizes with the default operator set; no parser, and the tokenizer's error, on failure.
    static std::unique_ptr<MXParser> parserWithString(std::u16string_view text, MXError* error = nullptr);
    // No tokenizer, no parser.
    static std::unique_ptr<MXParser> parserWithTokenizer(std::unique_ptr<MXMathStringTokenizer> tokenizer,
                                                         MXError* error = nullptr);
    explicit MXParser(std::unique_ptr<MXMathStringTokenizer> tokenizer);
    ~MXParser();
    MXParser(const MXParser&) = delete;
    MXParser& operator=(const MXParser&) = delete;

    const std::shared_ptr<MXMathOperatorSet>& operatorSet() const { return operatorSet_; }
    // Of the operator set's operator for the function; left when there is none.
    MXOperatorAssociativity associativityForOperatorFunction(std::u16string_view function) const;

    // The expression tree, or null with the error written. May be called again.
    MXExpressionPtr parsedExpressionWithError(MXError* error = nullptr);

    // associativityForOperatorFunction of the token's function, remembered per operator
    // record for the current parse.
    MXOperatorAssociativity associativityForOperatorToken(const MXMathStringToken& token);

    // Where the terms of the current parse live.
    mxcalc::detail::MXTermArena& termArena() { return *arena_; }

private:
    std::unique_ptr<MXMathStringTokenizer> tokenizer_;
    std::shared_ptr<MXMathOperatorSet> operatorSet_;
    std::unique_ptr<mxcalc::detail::MXTermArena> arena_;
    std::vector<std::pair<const MXMathOperator*, MXOperatorAssociativity>> associativities_;
};
