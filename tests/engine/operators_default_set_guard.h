#pragma once
// Puts the shared default operator set into one percent mode, with exactly the precedences a
// freshly built set has in that mode, for the life of the guard; then restores the mode and
// every precedence it had before.
#include <map>
#include <string>

#include "engine/operators/MXMathOperatorSet.h"

class DefaultOperatorSetGuard {
public:
    explicit DefaultOperatorSetGuard(bool modulo) {
        MXMathOperatorSet& set = *MXMathOperatorSet::defaultOperatorSet();
        wasModulo_ = set.interpretsPercentSignAsModulo();
        saved_ = precedences(set);
        MXMathOperatorSet fresh;
        fresh.setInterpretsPercentSignAsModulo(modulo);
        set.setInterpretsPercentSignAsModulo(modulo);
        apply(set, precedences(fresh));
    }
    ~DefaultOperatorSetGuard() {
        MXMathOperatorSet& set = *MXMathOperatorSet::defaultOperatorSet();
        set.setInterpretsPercentSignAsModulo(wasModulo_);
        apply(set, saved_);
    }
    DefaultOperatorSetGuard(const DefaultOperatorSetGuard&) = delete;
    DefaultOperatorSetGuard& operator=(const DefaultOperatorSetGuard&) = delete;

private:
    static std::map<std::u16string, int64_t> precedences(const MXMathOperatorSet& set) {
        std::map<std::u16string, int64_t> result;
        for (const auto& op : set) result[op->function()] = op->precedence();
        return result;
    }
    static void apply(MXMathOperatorSet& set, const std::map<std::u16string, int64_t>& levels) {
        for (const auto& [function, precedence] : levels) {
            if (const auto op = set.operatorForFunction(function)) op->setPrecedence(precedence);
        }
    }

    bool wasModulo_;
    std::map<std::u16string, int64_t> saved_;
};
