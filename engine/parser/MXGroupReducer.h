#pragma once
// Folds the terms of one group: repeatedly the operator of highest precedence (the first of
// them, or the last when its function is right-associative) is combined with its operands
// into a function term, until at most one term is left.
//
// The terms sit in a linked list and the operators in one list per precedence level, so
// each fold costs constant time however long the group is.
#include <cstdint>
#include <memory_resource>
#include <vector>

#include "engine/parser/MXGroupTerm.h"

namespace mxcalc::detail {

class MXGroupReducer {
public:
    // `depth` is the number of terms enclosing the group.
    MXGroupReducer(MXGroupTerm& group, MXParser& parser, int depth);

    // Leaves the group with zero or one term, or fails with the error written.
    bool reduce(MXError* error);

private:
    static constexpr int None = -1;

    struct Slot {
        MXParserTerm* term;
        int previous;
        int next;
        int level;  // index into levels_, None for non-operators
        int previousAtLevel = None;
        int nextAtLevel = None;
    };
    struct Level {
        int64_t precedence;
        int first = None;
        int last = None;
        int count = 0;
    };

    void collectLevels();
    // The slot of the operator to fold next; None when the group holds no operator.
    int chooseOperator();
    bool reduceAround(int index, MXError* error);
    bool reduceBinary(int index, MXError* error);
    bool reduceUnary(int index, MXError* error);
    // The right operand of a binary operator: the term after it, or the group of the prefix
    // run that follows it. `last` receives the last slot taken.
    MXParserTerm* rightOperand(int index, int& last, MXError* error);
    MXParserTerm* groupOfRun(int first, int last);
    bool replace(int first, int last, MXParserTerm* term, MXError* error);
    void removeFromLevel(int index);
    void storeSurvivors();
    // The terms from `first` through `last` (or through the end for None).
    MXTermList terms(int first, int last) const;

    MXGroupTerm& group_;
    MXParser& parser_;
    int depth_;
    std::pmr::vector<Slot> slots_;
    std::pmr::vector<Level> levels_;
    int head_ = None;
    int alive_ = 0;
    size_t highest_ = 0;
};

}  // namespace mxcalc::detail
