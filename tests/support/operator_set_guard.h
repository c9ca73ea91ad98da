#pragma once
// For its lifetime, puts the shared default operator set into one percent mode with the
// precedences a fresh set has in that mode; then restores the mode and every precedence.
#include <map>
#include <string>

#include "engine/operators/MXMathOperatorSet.h"

class DefaultOperatorSetGuard {
public:
    explicit DefaultOperatorSetGuard(bool modulo) : wasModulo_(set().interpretsPercentSignAsModulo()) {
        saved_ = precedences(set());
        MXMathOperatorSet fresh;
        fresh.setInterpretsPercentSignAsModulo(modulo);
        set().setInterpretsPercentSignAsModulo(modulo);
        apply(precedences(fresh));
    }
    ~DefaultOperatorSetGuard() {
        set().setInterpretsPercentSignAsModulo(wasModulo_);
        apply(saved_);
    }
    DefaultOperatorSetGuard(const DefaultOperatorSetGuard&) = delete;
    DefaultOperatorSetGuard& operator=(const DefaultOperatorSetGuard&) = delete;

private:
    using Levels = std::map<std::u16string, int64_t>;
    static MXMathOperatorSet& set() { return *MXMathOperatorSet::defaultOperatorSet(); }
    static Levels precedences(const MXMathOperatorSet& from) {
        Levels result;
        for (const auto& op : from) result[op->function()] = op->precedence();
        return result;
    }
    static void apply(const Levels& levels) {
        for (const auto& [function, precedence] : levels) {
            if (const auto op = set().operatorForFunction(function)) op->setPrecedence(precedence);
        }
    }

    bool wasModulo_;
    Levels saved_;
};
