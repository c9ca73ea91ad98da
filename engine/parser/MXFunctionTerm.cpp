#include <algorithm>
#include <vector>

#include "engine/parser/MXGroupTerm.h"
#include "engine/parser/MXParser.h"
#include "engine/parser/MXTermArena.h"
#include "engine/tokenizer/MXMathStringTokenizer.h"

namespace mxcalc::detail {

namespace {

// One argument from the terms between separators: a single term stands for itself, any
// other run (empty included) becomes a group.
MXParserTerm* argumentFromRun(MXTermList& run, MXTermArena& arena) {
    if (run.size() == 1) return run.front();
    return arena.make<MXGroupTerm>(nullptr, std::move(run));
}

MXTermList argumentsSplitAtSeparators(const MXTermList& terms, MXTermArena& arena) {
    MXTermList arguments(arena.resource());
    MXTermList run(arena.resource());
    for (MXParserTerm* term : terms) {
        if (term->isOperator(MXOperatorComma)) {
            arguments.push_back(argumentFromRun(run, arena));
            run = MXTermList(arena.resource());
        } else {
            run.push_back(term);
        }
    }
    if (!run.empty()) arguments.push_back(argumentFromRun(run, arena));
    return arguments;
}

// `top` and the flat function terms down its first arguments; the last one's first argument
// does not continue the chain. `unresolvedOnly` stops before a resolved term.
template <typename Term>
std::vector<Term*> chainFrom(Term* top, bool unresolvedOnly) {
    std::vector<Term*> terms{top};
    for (Term* term = top; term->isFlat() && !term->subterms().empty();) {
        MXParserTerm* first = term->subterms().front();
        if (first->type() != MXParserTermTypeFunction || (unresolvedOnly && first->isResolved())) break;
        term = static_cast<Term*>(first);
        terms.push_back(term);
    }
    return terms;
}

int flatHeight(const MXTermList& arguments) {
    int later = 0;
    for (size_t index = 1; index < arguments.size(); ++index) later = std::max(later, arguments[index]->height() + 1);
    return std::max(arguments.front()->height(), later);
}

bool isNestingError(const MXError& error) {
    return error.code() == MXErrorCodeInvalidFormat && error.localizedDescription() == MXNestedTooDeeplyMessage;
}

}  // namespace

MXFunctionTerm::MXFunctionTerm(std::u16string_view function, MXTermList arguments, bool flat)
    : MXGroupTerm(nullptr, std::move(arguments)), functionName_(function), flat_(flat && !subterms_.empty()) {
    if (flat_) height_ = flatHeight(subterms_);
}

MXFunctionTerm* MXFunctionTerm::functionWithTokenizer(MXMathStringTokenizer& tokenizer, MXTermArena& arena, int depth,
                                                      MXError* error) {
    const MXMathStringToken* name = tokenizer.nextObject();
    MXError groupError;
    MXGroupTerm* group = MXGroupTerm::groupWithTokenizer(tokenizer, arena, depth + 1, &groupError);
    if (group == nullptr) {
        if (isNestingError(groupError)) {
            MXError::overwriteSlot(error, std::move(groupError));
        } else {
            MXError::overwriteSlot(error, MXError::engineError(MXErrorCodeImbalancedParentheses,
                                                               u"missing parentheses after function \"" +
                                                                   name->token() + u"\""));
        }
        return nullptr;
    }
    return arena.make<MXFunctionTerm>(name->token(), argumentsSplitAtSeparators(group->subterms(), arena));
}

bool MXFunctionTerm::resolveWithParser(MXParser& parser, int depth, MXError* error) {
    if (resolved_) return true;
    const std::vector<MXFunctionTerm*> terms = chainFrom(this, true);
    for (auto term = terms.rbegin(); term != terms.rend(); ++term) {
        if (!(*term)->resolveArguments(parser, depth, error)) return false;
    }
    return true;
}

bool MXFunctionTerm::resolveArguments(MXParser& parser, int depth, MXError* error) {
    for (size_t index = 0; index < subterms_.size(); ++index) {
        const int argumentDepth = flat_ && index == 0 ? depth : depth + 1;
        if (!subterms_[index]->resolveWithParser(parser, argumentDepth, error)) return false;
    }
    resolved_ = true;
    return true;
}

void MXFunctionTerm::appendDescription(std::u16string& out) const {
    const std::vector<const MXFunctionTerm*> terms = chainFrom(this, false);
    for (const MXFunctionTerm* term : terms) {
        out += term->functionName_;
        out += u'(';
    }
    const MXFunctionTerm& innermost = *terms.back();
    if (!innermost.subterms_.empty()) innermost.subterms_.front()->appendDescription(out);
    for (auto term = terms.rbegin(); term != terms.rend(); ++term) {
        for (size_t index = 1; index < (*term)->subterms_.size(); ++index) {
            out += u',';
            (*term)->subterms_[index]->appendDescription(out);
        }
        out += u')';
    }
}

MXExpressionPtr MXFunctionTerm::expressionWithError(MXError* error) const {
    const std::vector<const MXFunctionTerm*> terms = chainFrom(this, false);
    MXExpressionPtr expression;
    for (auto term = terms.rbegin(); term != terms.rend(); ++term) {
        expression = (*term)->expressionOver(std::move(expression), error);
        if (!expression) return nullptr;
    }
    return expression;
}

MXExpressionPtr MXFunctionTerm::expressionOver(MXExpressionPtr first, MXError* error) const {
    std::vector<MXExpressionPtr> arguments;
    arguments.reserve(subterms_.size());
    for (size_t index = 0; index < subterms_.size(); ++index) {
        MXExpressionPtr argument = index == 0 && first ? std::move(first) : subterms_[index]->expressionWithError(error);
        if (!argument) return nullptr;
        arguments.push_back(std::move(argument));
    }
    return MXExpression::functionExpressionWithFunction(functionName_, std::move(arguments), error);
}

}  // namespace mxcalc::detail
