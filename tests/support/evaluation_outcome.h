#pragma once
// Shared pieces of the evaluator and dispatch tests: evaluation outcomes and small functions.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/evaluator/MXMathEvaluator.h"
#include "tests/support/expression_builders.h"

namespace evaluator_test {

using expression_test::utf8;

// What one evaluation gave: a number or an error.
struct Outcome {
    std::optional<MXNumber> value;
    MXError error;
};

inline Outcome evaluateText(MXMathEvaluator& evaluator, std::u16string_view text,
                            const MXSubstitutions* substitutions = nullptr) {
    Outcome outcome;
    outcome.value = evaluator.evaluateString(text, substitutions, &outcome.error);
    return outcome;
}

inline Outcome evaluateTree(MXMathEvaluator& evaluator, const MXExpressionPtr& tree,
                            const MXSubstitutions* substitutions = nullptr) {
    Outcome outcome;
    outcome.value = evaluator.evaluateExpression(tree, substitutions, &outcome.error);
    return outcome;
}

// The value's description, or "error <code>: <message>".
inline std::string shown(const Outcome& outcome) {
    if (outcome.value) return utf8(outcome.value->description());
    return "error " + std::to_string(outcome.error.code()) + ": " + utf8(outcome.error.localizedDescription());
}

// Texts and what their evaluation shows.
using ShownCases = std::vector<std::pair<std::u16string_view, const char*>>;

inline void expectShown(MXMathEvaluator& evaluator, const ShownCases& cases,
                        const MXSubstitutions* substitutions = nullptr) {
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(shown(evaluateText(evaluator, text, substitutions)), expected) << utf8(std::u16string(text));
}

// A registered function that ignores its arguments and returns `result`.
inline MXMathFunction returning(MXExpressionPtr result) {
    return [result](const std::vector<MXExpressionPtr>&, const MXSubstitutions*, MXMathEvaluator&, MXError*) {
        return result;
    };
}

inline void expectValue(const Outcome& outcome, double expected, const std::string& context) {
    ASSERT_TRUE(outcome.value.has_value()) << context << ": " << utf8(outcome.error.localizedDescription());
    EXPECT_DOUBLE_EQ(outcome.value->doubleValue(), expected) << context;
}

inline void expectError(const Outcome& outcome, int64_t code, std::u16string_view message,
                        const std::string& context) {
    EXPECT_FALSE(outcome.value.has_value()) << context;
    EXPECT_EQ(outcome.error.domain(), MXErrorDomain) << context;
    EXPECT_EQ(outcome.error.code(), code) << context;
    EXPECT_EQ(utf8(outcome.error.localizedDescription()), utf8(std::u16string(message))) << context;
}

}  // namespace evaluator_test
