// Folding calls whose arguments are all numbers, deep trees included, and evaluation of trees.
#include <gtest/gtest.h>

#include "platform/log/MXLog.h"
#include "tests/support/evaluation_outcome.h"

using namespace evaluator_test;
using namespace expression_test;

namespace {

// Leaves and unchanged arguments are kept, not copied; evaluation goes to the given evaluator,
// and without one gives nothing.
TEST(Simplification, LeavesAreSharedAndEvaluationUsesTheGivenEvaluator) {
    MXMathEvaluator evaluator;
    const MXExpressionPtr x = var(u"x"), one = num(1);
    EXPECT_EQ(x->simplifiedExpressionWithEvaluator(&evaluator), x);
    const MXExpressionPtr tree = fn(u"add", {one, x});
    const MXExpressionPtr simplified = tree->simplifiedExpressionWithEvaluator(&evaluator);
    EXPECT_EQ(simplified->arguments()[0], one);
    EXPECT_EQ(x->parentExpression(), simplified);
    const MXSubstitutions substitutions{{u"x", MXNumber(2.0)}};
    EXPECT_EQ(tree->evaluateWithSubstitutions(&substitutions, &evaluator)->doubleValue(), 3.0);
    MXError untouched;
    EXPECT_FALSE(tree->evaluateWithSubstitutions(&substitutions, nullptr, &untouched));
    EXPECT_TRUE(untouched.isEmpty());
}

// Without an evaluator: the default one, and an error is logged and gives no tree.
TEST(Simplification, SimplifiedExpressionLogsErrorsAndGivesNothing) {
    const MXLogCapture log;
    EXPECT_EQ(fn(u"foo", {num(1)})->simplifiedExpression(), nullptr);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.contains("unable to resolve function: foo"));
    const MXExpressionPtr folded = fn(u"multiply", {num(2), var(u"x")})->simplifiedExpression();
    ASSERT_NE(folded, nullptr);
    EXPECT_EQ(utf8(folded->description()), "multiply(2,$x)");
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST(SimplificationDeepTrees, ChainOverVariableIsRebuiltWhole) {
    const MXExpressionPtr tree = chain(300'000, var(u"x"));
    MXError error;
    const MXExpressionPtr simplified = tree->simplifiedExpressionWithEvaluator(nullptr, &error);
    ASSERT_NE(simplified, tree);
    EXPECT_TRUE(simplified->isEqual(*tree));
    EXPECT_TRUE(error.isEmpty());
}

// A function that answers without evaluating its argument: every level folds in turn, once.
// It receives the original call, whose argument is still the unfolded chain below.
TEST(SimplificationDeepTrees, NumericChainFoldsToOneNumber) {
    MXMathEvaluator evaluator;
    size_t calls = 0, givenCalls = 0;
    evaluator.registerFunction(
        [&](const std::vector<MXExpressionPtr>& arguments, const MXSubstitutions*, MXMathEvaluator&, MXError*) {
            ++calls;
            if (arguments.at(0)->expressionType() == MXExpressionTypeFunction) ++givenCalls;
            return MXExpression::numberExpressionWithNumber(MXNumber(7.0));
        },
        u"seven");
    constexpr size_t depth = 300'000;
    MXError error;
    const MXExpressionPtr tree = chain(depth, num(0), u"seven");
    const MXExpressionPtr simplified = tree->simplifiedExpressionWithEvaluator(&evaluator, &error);
    ASSERT_NE(simplified, nullptr);
    EXPECT_EQ(utf8(simplified->description()), "7");
    EXPECT_EQ(calls, depth) << "each call evaluated once";
    EXPECT_EQ(givenCalls, depth - 1) << "every call but the innermost is given its unfolded argument";
    EXPECT_TRUE(error.isEmpty());
}

// Each call finds its folded argument remembered, so a chain far deeper than the evaluation
// limit folds completely.
TEST(SimplificationDeepTrees, ChainBeyondTheEvaluationLimitFoldsCompletely) {
    const size_t depth = 100 * MXMathEvaluator::kMaximumEvaluationDepth;
    MXError error;
    const MXExpressionPtr simplified = chain(depth, num(1))->simplifiedExpressionWithEvaluator(nullptr, &error);
    ASSERT_NE(simplified, nullptr);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(utf8(simplified->description()), "1");
}

}  // namespace
