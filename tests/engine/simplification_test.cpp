// Folding calls whose arguments are all numbers, deep trees included, and evaluation of trees.
#include <gtest/gtest.h>

#include "platform/log/MXLog.h"
#include "tests/support/evaluation_outcome.h"

using namespace evaluator_test;
using namespace expression_test;

namespace {

struct SimplificationCase {
    const char* name;
    MXExpressionPtr tree;
    std::u16string expected;
    int64_t errorCode;
};

TEST(Simplification, FoldsNumericCalls) {
    const SimplificationCase cases[] = {
        {"all numbers", fn(u"add", {num(1), fn(u"multiply", {num(2), num(3)})}), u"7", 0},
        {"variable kept", fn(u"add", {var(u"x"), fn(u"multiply", {num(2), num(3)})}), u"add($x,6)", 0},
        {"variable under calls", fn(u"negate", {fn(u"negate", {var(u"y")})}), u"negate(negate($y))", 0},
        {"unknown function", fn(u"foo", {num(1)}), u"foo(1)", MXErrorCodeUnresolvedFunction},
        {"unknown function over a sum", fn(u"foo", {fn(u"add", {num(1), num(2)})}), u"foo(3)",
         MXErrorCodeUnresolvedFunction},
        {"unknown function never called", fn(u"add", {num(1), fn(u"foo", {var(u"x")})}), u"add(1,foo($x))", 0},
    };
    MXMathEvaluator evaluator;
    for (const auto& c : cases) {
        MXError error;
        const MXExpressionPtr simplified = c.tree->simplifiedExpressionWithEvaluator(&evaluator, &error);
        ASSERT_NE(simplified, nullptr) << c.name;
        EXPECT_EQ(utf8(simplified->description()), utf8(c.expected)) << c.name;
        EXPECT_EQ(error.code(), c.errorCode) << c.name;
    }
    EXPECT_EQ(utf8(fn(u"add", {num(1), num(2)})->simplifiedExpressionWithEvaluator(nullptr)->description()), "3")
        << "without an evaluator, the default one";
}

TEST(Simplification, CallWithoutArgumentsBecomesItsValue) {
    MXMathEvaluator evaluator;
    size_t calls = 0;
    evaluator.registerFunction(counting(calls, 10), u"tick");
    const MXExpressionPtr simplified = fn(u"tick")->simplifiedExpressionWithEvaluator(&evaluator);
    ASSERT_EQ(simplified->expressionType(), MXExpressionTypeNumber);
    EXPECT_EQ(evaluator.evaluateExpression(simplified, nullptr, nullptr)->doubleValue(), 10.0);
    EXPECT_EQ(calls, 1u) << "the folded value is fixed";
    const MXExpressionPtr pi = fn(u"pi")->simplifiedExpressionWithEvaluator(&evaluator);
    ASSERT_EQ(pi->expressionType(), MXExpressionTypeNumber);
    EXPECT_TRUE(pi->number()->isEqualToNumber(*evaluator.evaluateString(u"pi()", nullptr, nullptr)));
}

TEST(Simplification, EvaluatesTheOriginalCallNotARebuiltOne) {
    MXMathEvaluator evaluator;
    std::vector<MXExpressionType> seen;
    evaluator.registerFunction(
        [&seen](const std::vector<MXExpressionPtr>& arguments, const MXSubstitutions*, MXMathEvaluator&, MXError*) {
            seen.push_back(arguments.at(0)->expressionType());
            return MXExpression::numberExpressionWithNumber(MXNumber(1.0));
        },
        u"probe");
    const MXExpressionPtr simplified =
        fn(u"probe", {fn(u"add", {num(1), num(2)})})->simplifiedExpressionWithEvaluator(&evaluator);
    EXPECT_EQ(simplified->expressionType(), MXExpressionTypeNumber);
    EXPECT_EQ(seen, std::vector<MXExpressionType>{MXExpressionTypeFunction});
}

TEST(Simplification, LeavesAndUnchangedNodesAreShared) {
    MXMathEvaluator evaluator;
    const MXExpressionPtr x = var(u"x"), one = num(1);
    for (const MXExpressionPtr& leaf : {x, one}) EXPECT_EQ(leaf->simplifiedExpressionWithEvaluator(&evaluator), leaf);
    const MXExpressionPtr tree = fn(u"add", {one, x});
    const MXExpressionPtr simplified = tree->simplifiedExpressionWithEvaluator(&evaluator);
    ASSERT_NE(simplified, tree);
    EXPECT_EQ(simplified->arguments()[0], one);
    EXPECT_EQ(simplified->arguments()[1], x);
    EXPECT_EQ(one->parentExpression(), simplified);
    EXPECT_EQ(x->parentExpression(), simplified);
}

TEST(Simplification, SimplifiedExpressionLogsErrorsAndGivesNothing) {
    const MXExpressionPtr unknown = fn(u"foo", {num(1)});
    MXError error;
    ASSERT_NE(unknown->simplifiedExpressionWithEvaluator(&MXMathEvaluator::defaultMathEvaluator(), &error), nullptr);
    ASSERT_FALSE(error.isEmpty());
    const MXLogCapture log;
    EXPECT_EQ(unknown->simplifiedExpression(), nullptr);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"error: " + utf8(error.description())});
    const MXLogCapture quiet;
    const MXExpressionPtr folded = fn(u"multiply", {num(2), var(u"x")})->simplifiedExpression();
    ASSERT_NE(folded, nullptr);
    EXPECT_EQ(utf8(folded->description()), "multiply(2,$x)");
    EXPECT_TRUE(quiet.lines().empty());
}

TEST(Evaluation, ForwardsToTheGivenEvaluator) {
    MXMathEvaluator evaluator;
    const MXExpressionPtr tree = fn(u"add", {var(u"x"), num(1)});
    const MXSubstitutions substitutions{{u"x", MXNumber(2.0)}};
    const auto value = tree->evaluateWithSubstitutions(&substitutions, &evaluator);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->doubleValue(), 3.0);
    MXError error;
    EXPECT_FALSE(tree->evaluateWithSubstitutions(nullptr, &evaluator, &error));
    EXPECT_EQ(error.code(), MXErrorCodeUnresolvedVariable);
    MXError untouched;
    EXPECT_FALSE(tree->evaluateWithSubstitutions(&substitutions, nullptr, &untouched));
    EXPECT_TRUE(untouched.isEmpty());
}

TEST(SimplificationDeepTrees, ChainOverVariableIsRebuiltWhole) {
    const MXExpressionPtr tree = chain(300'000, var(u"x"));
    MXError error;
    const MXExpressionPtr simplified = tree->simplifiedExpressionWithEvaluator(nullptr, &error);
    ASSERT_NE(simplified, tree);
    EXPECT_TRUE(simplified->isEqual(*tree));
    EXPECT_TRUE(error.isEmpty());
}

// A function that answers without evaluating its argument: every level folds in turn.
// It receives the original call, whose argument is still the unfolded chain below.
TEST(SimplificationDeepTrees, NumericChainFoldsToOneNumber) {
    MXMathEvaluator evaluator;
    size_t calls = 0;
    evaluator.registerFunction(counting(calls, 7), u"seven");
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

// Each call finds its folded argument remembered, so a chain far deeper than the evaluation
// limit folds completely.
TEST(SimplificationDeepTrees, ChainBeyondTheEvaluationLimitFoldsCompletely) {
    const size_t depth = 100 * MXMathEvaluator::kMaximumEvaluationDepth;
    MXError error;
    const MXExpressionPtr simplified = chain(depth, num(1))->simplifiedExpressionWithEvaluator(nullptr, &error);
    ASSERT_NE(simplified, nullptr);
    EXPECT_TRUE(error.isEmpty());
    ASSERT_EQ(simplified->expressionType(), MXExpressionTypeNumber);
    EXPECT_EQ(simplified->number()->doubleValue(), 1.0);
}

}  // namespace
