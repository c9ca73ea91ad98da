#include "engine/parser/MXGroupTerm.h"
#include "engine/parser/MXParser.h"
#include "engine/parser/MXTermArena.h"
#include "engine/tokenizer/MXMathStringTokenizer.h"

namespace detail {

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

bool isNestingError(const MXError& error) {
    return error.code() == MXErrorCodeInvalidFormat && error.localizedDescription() == MXNestedTooDeeplyMessage;
}

}  // namespace

MXFunctionTerm::MXFunctionTerm(std::u16string_view function, MXTermList arguments)
    : MXGroupTerm(nullptr, std::move(arguments)), functionName_(function) {}

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
    for (MXParserTerm* argument : subterms_) {
        if (!argument->resolveWithParser(parser, depth + 1, error)) return false;
    }
    resolved_ = true;
    return true;
}

void MXFunctionTerm::appendDescription(std::u16string& out) const {
    out += functionName_;
    out += u'(';
    for (size_t index = 0; index < subterms_.size(); ++index) {
        if (index > 0) out += u',';
        subterms_[index]->appendDescription(out);
    }
    out += u')';
}

MXExpressionPtr MXFunctionTerm::expressionWithError(MXError* error) const {
    std::vector<MXExpressionPtr> arguments;
    arguments.reserve(subterms_.size());
    for (const MXParserTerm* argument : subterms_) {
        MXExpressionPtr expression = argument->expressionWithError(error);
        if (!expression) return nullptr;
        arguments.push_back(std::move(expression));
    }
    return MXExpression::functionExpressionWithFunction(functionName_, std::move(arguments), error);
}

}  // namespace detail
