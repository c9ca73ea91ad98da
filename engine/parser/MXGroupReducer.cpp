#include "engine/parser/MXGroupReducer.h"

#include <algorithm>

#include "engine/parser/MXParser.h"
#include "engine/parser/MXTermArena.h"

namespace mxcalc::detail {

namespace {

const MXOperatorTerm* asOperator(const MXParserTerm* term) {
    return term->type() == MXParserTermTypeOperator ? static_cast<const MXOperatorTerm*>(term) : nullptr;
}

bool isUnaryOperator(const MXParserTerm* term) {
    const MXOperatorTerm* op = asOperator(term);
    return op != nullptr && op->operatorArity() == MXOperatorArityUnary;
}

MXError operatorError(MXErrorCode code, const char16_t* message, const MXParserTerm* op) {
    return MXError::engineError(code, message + op->description());
}

}  // namespace

MXGroupReducer::MXGroupReducer(MXGroupTerm& group, MXParser& parser, int depth)
    : group_(group),
      parser_(parser),
      depth_(depth),
      slots_(parser.termArena().resource()),
      levels_(parser.termArena().resource()) {
    const MXTermList& subterms = group.subterms();
    const int count = int(subterms.size());
    slots_.reserve(subterms.size());
    for (int index = 0; index < count; ++index) {
        slots_.push_back(Slot{subterms[index], index - 1, index + 1 < count ? index + 1 : None, None});
    }
    head_ = count > 0 ? 0 : None;
    alive_ = count;
    collectLevels();
}

void MXGroupReducer::collectLevels() {
    for (const Slot& slot : slots_) {
        const MXOperatorTerm* op = asOperator(slot.term);
        if (op == nullptr) continue;
        const int64_t precedence = op->operatorPrecedence();
        if (std::none_of(levels_.begin(), levels_.end(), [&](const Level& level) { return level.precedence == precedence; })) {
            levels_.push_back(Level{precedence});
        }
    }
    std::sort(levels_.begin(), levels_.end(), [](const Level& a, const Level& b) { return a.precedence > b.precedence; });
    for (int index = 0; index < int(slots_.size()); ++index) {
        const MXOperatorTerm* op = asOperator(slots_[index].term);
        if (op == nullptr) continue;
        const auto found = std::lower_bound(levels_.begin(), levels_.end(), op->operatorPrecedence(),
                                            [](const Level& level, int64_t p) { return level.precedence > p; });
        Level& level = *found;
        Slot& slot = slots_[index];
        slot.level = int(found - levels_.begin());
        slot.previousAtLevel = level.last;
        if (level.last != None) slots_[level.last].nextAtLevel = index;
        if (level.first == None) level.first = index;
        level.last = index;
        ++level.count;
    }
}

bool MXGroupReducer::reduce(MXError* error) {
    while (alive_ >= 2) {
        const int chosen = chooseOperator();
        if (chosen == None) {
            storeSurvivors();
            MXError::overwriteSlot(error, MXError::engineError(MXErrorCodeInvalidFormat,
                                                               u"invalid format: " + group_.description()));
            return false;
        }
        if (!reduceAround(chosen, error)) return false;
    }
    storeSurvivors();
    return true;
}

int MXGroupReducer::chooseOperator() {
    while (highest_ < levels_.size() && levels_[highest_].count == 0) ++highest_;
    if (highest_ == levels_.size()) return None;
    const Level& level = levels_[highest_];
    if (level.count >= 2) {
        const MXOperatorTerm* first = asOperator(slots_[level.first].term);
        if (parser_.associativityForOperatorToken(*first->token()) == MXOperatorAssociativityRight) {
            return level.last;
        }
    }
    return level.first;
}

bool MXGroupReducer::reduceAround(int index, MXError* error) {
    switch (asOperator(slots_[index].term)->operatorArity()) {
    case MXOperatorArityBinary: return reduceBinary(index, error);
    case MXOperatorArityUnary: return reduceUnary(index, error);
    default:
        MXError::overwriteSlot(error, operatorError(MXErrorCodeUnknownOperatorArity, u"unknown arity for operator: ",
                                                    slots_[index].term));
        return false;
    }
}

bool MXGroupReducer::reduceBinary(int index, MXError* error) {
    const Slot& slot = slots_[index];
    if (slot.previous == None) {
        MXError::overwriteSlot(
            error, operatorError(MXErrorCodeBinaryOperatorMissingLeftOperand, u"no left operand to binary ", slot.term));
        return false;
    }
    if (slot.next == None) {
        MXError::overwriteSlot(
            error, operatorError(MXErrorCodeBinaryOperatorMissingRightOperand, u"no right operand to binary ", slot.term));
        return false;
    }
    int last = None;
    MXParserTerm* right = rightOperand(index, last, error);
    if (right == nullptr) return false;
    const int left = slot.previous;
    MXTermList arguments({slots_[left].term, right}, parser_.termArena().resource());
    const auto* op = asOperator(slot.term);
    const bool flat = parser_.associativityForOperatorToken(*op->token()) == MXOperatorAssociativityLeft;
    return replace(left, last,
                   parser_.termArena().make<MXFunctionTerm>(op->operatorFunction(), std::move(arguments), flat), error);
}

MXParserTerm* MXGroupReducer::rightOperand(int index, int& last, MXError* error) {
    const int first = slots_[index].next;
    last = first;
    if (asOperator(slots_[first].term) == nullptr) return slots_[first].term;
    int count = 1;
    int current = first;
    while (isUnaryOperator(slots_[current].term)) {
        if (slots_[current].next == None) {
            MXError::overwriteSlot(error, operatorError(MXErrorCodeUnaryOperatorMissingRightOperand,
                                                        u"no right operand to unary ", slots_[current].term));
            return nullptr;
        }
        ++count;
        current = slots_[current].next;
        if (asOperator(slots_[current].term) == nullptr) break;
    }
    if (count < 2) return slots_[first].term;
    last = current;
    return groupOfRun(first, last);
}

MXParserTerm* MXGroupReducer::groupOfRun(int first, int last) {
    return parser_.termArena().make<MXGroupTerm>(nullptr, terms(first, last));
}

bool MXGroupReducer::reduceUnary(int index, MXError* error) {
    const Slot& slot = slots_[index];
    const auto* op = asOperator(slot.term);
    const bool prefix =
        parser_.associativityForOperatorToken(*op->token()) == MXOperatorAssociativityRight;
    const int operand = prefix ? slot.next : slot.previous;
    if (operand == None) {
        MXError::overwriteSlot(error, prefix ? operatorError(MXErrorCodeUnaryOperatorMissingRightOperand,
                                                             u"no right operand to unary ", slot.term)
                                             : operatorError(MXErrorCodeUnaryOperatorMissingLeftOperand,
                                                             u"no left operand to unary ", slot.term));
        return false;
    }
    MXTermList arguments({slots_[operand].term}, parser_.termArena().resource());
    auto* term = parser_.termArena().make<MXFunctionTerm>(op->operatorFunction(), std::move(arguments), !prefix);
    return prefix ? replace(index, operand, term, error) : replace(operand, index, term, error);
}

bool MXGroupReducer::replace(int first, int last, MXParserTerm* term, MXError* error) {
    if (!fitsNestingLimit(depth_ + 1, term->height(), error)) return false;
    const int after = slots_[last].next;
    for (int index = first;; index = slots_[index].next) {
        removeFromLevel(index);
        if (index != first) --alive_;
        if (index == last) break;
    }
    Slot& slot = slots_[first];
    slot.term = term;
    slot.next = after;
    if (after != None) slots_[after].previous = first;
    return true;
}

void MXGroupReducer::removeFromLevel(int index) {
    Slot& slot = slots_[index];
    if (slot.level == None) return;
    Level& level = levels_[slot.level];
    if (slot.previousAtLevel != None) {
        slots_[slot.previousAtLevel].nextAtLevel = slot.nextAtLevel;
    } else {
        level.first = slot.nextAtLevel;
    }
    if (slot.nextAtLevel != None) {
        slots_[slot.nextAtLevel].previousAtLevel = slot.previousAtLevel;
    } else {
        level.last = slot.previousAtLevel;
    }
    --level.count;
    slot.level = None;
}

MXTermList MXGroupReducer::terms(int first, int last) const {
    MXTermList result(parser_.termArena().resource());
    for (int index = first; index != None; index = slots_[index].next) {
        result.push_back(slots_[index].term);
        if (index == last) break;
    }
    return result;
}

void MXGroupReducer::storeSurvivors() {
    group_.setSubterms(head_ == None ? MXTermList(parser_.termArena().resource()) : terms(head_, None));
}

}  // namespace mxcalc::detail
