// Large and deep trees rewrite without overflowing the stack.
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

TEST_F(DeepRewrites, DeepEqualOperandsCancel) {
    const MXExpressionPtr tree = fn(u"subtract", {chain(kDeep, var(u"x"), u"sin"), chain(kDeep, var(u"x"), u"sin")});
    EXPECT_EQ(described(rewriter.expressionByRewritingExpression(tree, evaluator)), "0");
    const MXExpressionPtr different =
        fn(u"subtract", {chain(kDeep, var(u"x"), u"sin"), chain(kDeep, var(u"y"), u"sin")});
    EXPECT_TRUE(rewriter.expressionByRewritingExpression(different, evaluator)->isEqual(*different));
}

// The condition's evaluation goes deeper than the evaluator allows: it fails, so no rewrite.
TEST_F(DeepRewrites, ConditionOverADeepPartDoesNotHold) {
    const MXExpressionPtr part = chain(kDeep, var(u"p"), u"sin");
    const MXExpressionPtr tree = fn(u"divide", {part, part});
    EXPECT_TRUE(rewriter.expressionByRewritingExpression(tree, evaluator)->isEqual(*tree));
}

TEST_F(DeepRewrites, DeepTemplateFromText) {
    constexpr size_t templateDepth = 300;
    std::u16string templateText;
    for (size_t i = 0; i < templateDepth; ++i) templateText += u"g(";
    templateText += u"__exp1" + std::u16string(templateDepth, u')');
    rewriter.addRewriteRule(u"__exp1", templateText);
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
