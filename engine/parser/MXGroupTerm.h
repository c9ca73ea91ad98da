#pragma once
// Group terms (brackets and the whole text) and function terms (a name and its arguments).
#include <string_view>

#include "engine/parser/MXParserTerm.h"

namespace mxcalc::detail {

class MXGroupTerm : public MXParserTerm {
public:
    MXGroupTerm(const MXMathStringToken* token, MXTermList subterms);

    // Consumes "(", the terms up to the matching ")" and the ")": error 7 "imbalanced
    // parentheses" when the tokens run out first. `depth` is the number of terms enclosing it.
    static MXGroupTerm* groupWithTokenizer(MXMathStringTokenizer& tokenizer, MXTermArena& arena, int depth,
                                           MXError* error);

    MXParserTermType type() const override { return MXParserTermTypeGroup; }
    bool resolveWithParser(MXParser& parser, int depth, MXError* error) override;
    void appendDescription(std::u16string& out) const override;
    MXExpressionPtr expressionWithError(MXError* error) const override;

    const MXTermList& subterms() const { return subterms_; }
    void setSubterms(MXTermList subterms);

protected:
    MXTermList subterms_;
};

class MXFunctionTerm final : public MXGroupTerm {
public:
    // A call of `function` with the argument terms. A fold of a left-associative operator
    // (binary or postfix) is flat: its first argument lies at its own depth, so chains such as
    // 1+2+3 or 5!! nest no deeper however long they are.
    MXFunctionTerm(std::u16string_view function, MXTermList arguments, bool flat = false);

    // Consumes the name token and its bracketed argument list, split at ";".
    static MXFunctionTerm* functionWithTokenizer(MXMathStringTokenizer& tokenizer, MXTermArena& arena, int depth,
                                                 MXError* error);

    MXParserTermType type() const override { return MXParserTermTypeFunction; }
    bool resolveWithParser(MXParser& parser, int depth, MXError* error) override;
    void appendDescription(std::u16string& out) const override;
    MXExpressionPtr expressionWithError(MXError* error) const override;

    std::u16string_view functionName() const { return functionName_; }
    bool isFlat() const { return flat_; }

private:
    // Chains of flat terms are walked in a loop from their innermost term outwards, so that
    // their length costs no stack; these do the work of one term of the chain.
    bool resolveArguments(MXParser& parser, int depth, MXError* error);
    // `first` (null: this term's own first argument converted) and the other arguments converted.
    MXExpressionPtr expressionOver(MXExpressionPtr first, MXError* error) const;
    // "," and the description of every argument after the first, then ")".
    void appendLaterArguments(std::u16string& out) const;

    std::u16string_view functionName_;
    bool flat_;
};

// Whether a term at `depth` with `height` levels below it stays within the nesting limit;
// writes error 1 "expression nested too deeply" when it does not.
bool fitsNestingLimit(int depth, int height, MXError* error);

}  // namespace mxcalc::detail
