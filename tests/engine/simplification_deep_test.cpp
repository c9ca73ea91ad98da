// Simplifying trees deeper than any parse produces finishes without overflowing the stack.
#include <gtest/gtest.h>

#include "engine/evaluator/MXMathEvaluator.h"
#include "tests/engine/expression_builders.h"

using namespace expression_test;

namespace {

TEST(SimplificationDeepTrees, ChainOverVariableIsRebuiltWhole) {
    const MXExpressionPtr tree = chain(300'000, var(u"x"));
    MXError error;
    const MXExpressionPtr simplified = tree->simplifiedExpressionWithEvaluator(nullptr, &error);
    ASSERT_NE(simplified, nullptr);
    EXPECT_NE(simplified, tree);
    EXPECT_TRUE(simplified->isEqual(*tree));
    EXPECT_TRUE(error.isEmpty());
}

// A function that answers without evaluating its argument: every level folds in turn.
// It receives the original call, whose argument is still the unfolded chain below.
TEST(SimplificationDeepTrees, NumericChainFoldsToOneNumber) {
    MXMathEvaluator evaluator;
    size_t calls = 0;
    evaluator.registerFunction(
        [&calls](const std::vector<MXExpressionPtr>&, const MXSubstitutions*, MXMathEvaluator&, MXError*) {
            ++calls;
            return MXExpression::numberExpressionWithNumber(MXNumber(7.0));
        },
        u"seven");
    constexpr size_t depth = 300'000;
    const MXExpressionPtr tree = chain(depth, num(0), u"seven");
    MXError error;
    const MXExpressionPtr simplified = tree->simplifiedExpressionWithEvaluator(&evaluator, &error);
    ASSERT_NE(simplified, nullptr);
    ASSERT_EQ(simplified->expressionType(), MXExpressionTypeNumber);
    EXPECT_EQ(simplified->number()->doubleValue(), 7.0);
    EXPECT_EQ(calls, depth) << "each call evaluated once";
    EXPECT_TRUE(error.isEmpty());
}

// The evaluator refuses calls nested beyond its limit: the chain folds from the bottom up to
// that limit and is rebuilt above it.
TEST(SimplificationDeepTrees, ChainFoldsUpToTheEvaluationLimit) {
    const size_t depth = 2 * MXMathEvaluator::kMaximumEvaluationDepth;
    MXError error;
    const MXExpressionPtr simplified = chain(depth, num(1))->simplifiedExpressionWithEvaluator(nullptr, &error);
    ASSERT_NE(simplified, nullptr);
    EXPECT_EQ(error.code(), MXErrorCodeInvalidFunctionReturnType);

    size_t calls = 0;
    const MXExpression* node = simplified.get();
    while (node->expressionType() == MXExpressionTypeFunction) {
        node = node->arguments()[0].get();
        ++calls;
    }
    const size_t folded = depth - calls;
    EXPECT_GT(folded, 0u);
    EXPECT_LE(folded, static_cast<size_t>(MXMathEvaluator::kMaximumEvaluationDepth));
    EXPECT_EQ(node->number()->doubleValue(), folded % 2 == 0 ? 1.0 : -1.0);
}

}  // namespace
