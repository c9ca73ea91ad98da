// Large and deep trees rewrite without overflowing the stack.
#include "tests/support/repeated_text.h"
#include "tests/support/rewriter_fixture.h"

using namespace rewriter_test;
using namespace expression_test;

namespace {

constexpr size_t kDeep = 5000;

using DeepRewrites = RewriterTest;

TEST_F(DeepRewrites, RuleFiresAtTheBottomOfADeepChain) {
    const MXExpressionPtr tree = chain(kDeep, fn(u"abs", {fn(u"negate", {var(u"y")})}), u"sin");
    const MXExpressionPtr expected = chain(kDeep, fn(u"abs", {var(u"y")}), u"sin");
    const MXExpressionPtr result = rewriter.expressionByRewritingExpression(tree, evaluator);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isEqual(*expected));
}

// Deep equal operands cancel, deep different ones do not; a condition over a deep part goes
// deeper than the evaluator allows, so it fails and nothing is rewritten.
TEST_F(DeepRewrites, DeepOperandsAndConditions) {
    const MXExpressionPtr sines = chain(kDeep, var(u"x"), u"sin");
    EXPECT_EQ(described(rewriter.expressionByRewritingExpression(fn(u"subtract", {sines, sines->copy()}), evaluator)),
              "0");
    const MXExpressionPtr part = chain(kDeep, var(u"p"), u"sin");
    for (const MXExpressionPtr& tree :
         {fn(u"subtract", {sines, chain(kDeep, var(u"y"), u"sin")}), fn(u"divide", {part, part})}) {
        EXPECT_TRUE(rewriter.expressionByRewritingExpression(tree, evaluator)->isEqual(*tree));
    }
}

TEST_F(DeepRewrites, DeepTemplateFromText) {
    constexpr size_t templateDepth = 300;
    rewriter.addRewriteRule(u"__exp1", repeated(u"g(", templateDepth) + u"__exp1" + repeated(u")", templateDepth));
    const MXExpressionPtr result =
        rewriter.expressionByRewritingExpression(chain(2 * templateDepth + 100, var(u"x"), u"g"), evaluator);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isEqual(*chain(100, var(u"x"), u"g")));
}

// 1 * $x0 + 1 * $x1 + ... as a parse would build it (left-deep), several thousand nodes.
TEST_F(DeepRewrites, LongSumOfProducts) {
    constexpr size_t terms = 1500;
    auto variable = [](size_t i) { return var(std::u16string(u"x").append(MXIntegerText(int64_t(i)))); };
    MXExpressionPtr tree = fn(u"multiply", {num(1), variable(0)});
    MXExpressionPtr expected = variable(0);
    for (size_t i = 1; i < terms; ++i) {
        tree = fn(u"add", {tree, fn(u"multiply", {num(1), variable(i)})});
        expected = fn(u"add", {expected, variable(i)});
    }
    const MXExpressionPtr result = rewriter.expressionByRewritingExpression(tree, evaluator);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isEqual(*expected));
}

}  // namespace
