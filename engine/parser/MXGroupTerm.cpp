#include "engine/parser/MXGroupTerm.h"

#include <algorithm>

#include "engine/parser/MXGroupReducer.h"
#include "engine/parser/MXParser.h"
#include "engine/parser/MXTermArena.h"
#include "engine/tokenizer/MXMathStringTokenizer.h"

namespace mxcalc::detail {

namespace {

int heightAbove(const MXTermList& subterms) {
    int height = 0;
    for (const MXParserTerm* term : subterms) height = std::max(height, term->height());
    return height + 1;
}

MXError imbalancedParentheses() {
    return MXError::engineError(MXErrorCodeImbalancedParentheses, u"imbalanced parentheses");
}

}  // namespace

bool fitsNestingLimit(int depth, int height, MXError* error) {
    if (depth + height <= MXMaximumNestingDepth) return true;
    MXError::overwriteSlot(error, MXError::engineError(MXErrorCodeInvalidFormat, MXNestedTooDeeplyMessage));
    return false;
}

MXGroupTerm::MXGroupTerm(const MXMathStringToken* token, MXTermList subterms)
    : MXParserTerm(token), subterms_(std::move(subterms)) {
    height_ = heightAbove(subterms_);
}

MXGroupTerm* MXGroupTerm::groupWithTokenizer(MXMathStringTokenizer& tokenizer, MXTermArena& arena, int depth,
                                             MXError* error) {
    if (!fitsNestingLimit(depth, 1, error)) return nullptr;
    const MXMathStringToken* open = tokenizer.nextObject();
    if (open == nullptr || !open->isOperator(MXOperatorParenthesisOpen)) {
        MXError::overwriteSlot(error, imbalancedParentheses());
        return nullptr;
    }
    MXTermList subterms(arena.resource());
    for (;;) {
        const MXMathStringToken* next = tokenizer.peekNextObject();
        if (next == nullptr) {
            MXError::overwriteSlot(error, imbalancedParentheses());
            return nullptr;
        }
        if (next->isOperator(MXOperatorParenthesisClose)) break;
        MXParserTerm* term = termWithTokenizer(tokenizer, arena, depth + 1, error);
        if (term == nullptr) return nullptr;
        subterms.push_back(term);
    }
    tokenizer.nextObject();
    return arena.make<MXGroupTerm>(open, std::move(subterms));
}

void MXGroupTerm::setSubterms(MXTermList subterms) {
    subterms_ = std::move(subterms);
    height_ = heightAbove(subterms_);
}

bool MXGroupTerm::resolveWithParser(MXParser& parser, int depth, MXError* error) {
    if (resolved_) return true;
    if (subterms_.size() >= 2 && !MXGroupReducer(*this, parser, depth).reduce(error)) return false;
    if (subterms_.size() == 1 && !subterms_.front()->resolveWithParser(parser, depth + 1, error)) return false;
    resolved_ = true;
    return true;
}

void MXGroupTerm::appendDescription(std::u16string& out) const {
    out += u'(';
    for (const MXParserTerm* term : subterms_) term->appendDescription(out);
    out += u')';
}

MXExpressionPtr MXGroupTerm::expressionWithError(MXError* error) const {
    if (subterms_.size() == 1) return subterms_.front()->expressionWithError(error);
    MXError::overwriteSlot(error, MXError::engineError(MXErrorCodeInvalidFormat,
                                                       u"Unable to create expression from term: " + description()));
    return nullptr;
}

}  // namespace mxcalc::detail
