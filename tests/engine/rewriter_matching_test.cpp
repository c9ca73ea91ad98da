// Templates and replacements: placeholders and their kinds, repeated placeholder names,
// sharing of nodes with the matched tree and with the replacement, and top-down application.
#include "tests/engine/rewriter_support.h"

using namespace rewriter_test;
using namespace expression_test;

namespace {

struct MatchCase {
    const char* name;
    size_t rule;
    MXExpressionPtr tree;
    bool matches;
};

using RewriteMatching = RewriterTest;

TEST_F(RewriteMatching, PlaceholdersBindByKindAndByName) {
    const MatchCase cases[] = {
        {"same name, equal but distinct subtrees", 3, fn(u"add", {fn(u"sin", {var(u"x")}), fn(u"sin", {var(u"x")})}),
         true},
        {"same name, different subtrees", 3, fn(u"add", {fn(u"sin", {var(u"x")}), fn(u"sin", {var(u"y")})}), false},
        {"different names may bind equal parts", 21, fn(u"divide", {fn(u"multiply", {var(u"p"), var(u"p")}), var(u"p")}),
         true},
        {"number then variable", 8, fn(u"multiply", {num(2), var(u"x")}), true},
        {"variable then number", 8, fn(u"multiply", {var(u"x"), num(2)}), false},
        {"__var facing a call", 8, fn(u"multiply", {num(2), fn(u"sin", {var(u"x")})}), false},
        {"__num facing a variable", 8, fn(u"multiply", {var(u"y"), var(u"x")}), false},
        {"typed placeholder facing a call of its own name", 8, fn(u"multiply", {fn(u"__num1"), fn(u"__var1")}), true},
        {"number leaf compared by value", 1, fn(u"add", {num(0.0), var(u"x")}), true},
        {"number leaf of another value", 1, fn(u"add", {num(-1.0), var(u"x")}), false},
        {"name compared lower-cased", 1, fn(u"ADD", {num(0), var(u"x")}), true},
        {"other argument count", 12, fn(u"abs", {fn(u"negate", {var(u"x")}), num(1)}), false},
        {"other function", 12, fn(u"abs", {fn(u"factorial", {var(u"x")})}), false},
        {"leaf against a call template", 1, var(u"x"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(standardRule(c.rule).ruleMatchesExpression(c.tree, evaluator), c.matches) << c.name;
}

TEST_F(RewriteMatching, FunctionPlaceholderTakesAnyCall) {
    rewriter.addRewriteRule(u"__func1", u"outer(__func1)");
    const RewriteCase cases[] = {
        {u"outer(sin($x))", "sin($x)"},
        {u"outer(max($x; $y))", "max($x,$y)"},
        {u"outer($x)", "outer($x)"},
        {u"outer(foo(1))", "foo(1)"},
    };
    for (const auto& c : cases) EXPECT_EQ(rewrite(c.input), c.result) << utf8(c.input);
}

TEST_F(RewriteMatching, ReplacementSharesMatchedAndPatternNodes) {
    const MXExpressionPtr x = fn(u"sin", {var(u"x")});

    const MXExpressionPtr sum = fn(u"add", {num(0), x});
    EXPECT_EQ(standardRule(1).expressionByRewritingExpression(sum, evaluator), x);

    const detail::MXRewriteRule& doubling = standardRule(3);
    const MXExpressionPtr doubled = doubling.expressionByRewritingExpression(fn(u"add", {x, x->copy()}), evaluator);
    ASSERT_EQ(described(doubled), "multiply(2,sin($x))");
    EXPECT_EQ(doubled->arguments()[1], x) << "the first match is the bound node";
    EXPECT_EQ(doubled->arguments()[0], doubling.pattern()->arguments()[0]) << "the 2 of the replacement";
    EXPECT_EQ(x->parentExpression(), doubled);

    const detail::MXRewriteRule& zero = standardRule(9);
    EXPECT_EQ(zero.expressionByRewritingExpression(fn(u"multiply", {num(0), x}), evaluator), zero.pattern());
}

TEST_F(RewriteMatching, NoMatchGivesTheSameObject) {
    const MXExpressionPtr tree = fn(u"add", {num(1), var(u"x")});
    EXPECT_EQ(standardRule(1).expressionByRewritingExpression(tree, evaluator), tree);
    const MXExpressionPtr x = var(u"x");
    EXPECT_EQ(rewriter.expressionByRewritingExpression(x, evaluator), x) << "a leaf no rule matches";
    EXPECT_EQ(rewriter.expressionByRewritingExpression(nullptr, evaluator), nullptr);
}

// a(a(a(x))): top-down the outer pair is rewritten first and the result not searched again
// in that pass, giving b(a(x)); bottom-up would give a(b(x)).
TEST_F(RewriteMatching, RulesApplyTopDown) {
    rewriter.addRewriteRule(u"b(__exp1)", u"a(a(__exp1))");
    EXPECT_EQ(rewrite(u"a(a(a($x)))"), "b(a($x))");
    EXPECT_EQ(rewrite(u"a(a(a(a($x))))"), "b(b($x))");
    EXPECT_EQ(rewrite(u"c(a(a($x)); a(a($y)))"), "c(b($x),b($y))");
}

// Each rule runs over the tree the previous one left, within the same pass.
TEST_F(RewriteMatching, LaterRulesSeeEarlierRewrites) {
    rewriter.addRewriteRule(u"second(__exp1)", u"first(__exp1)");
    rewriter.addRewriteRule(u"third(__exp1)", u"second(__exp1)");
    EXPECT_EQ(rewrite(u"first($x)"), "third($x)");
}

TEST_F(RewriteMatching, UnmatchedInputComesBackSimplified) {
    EXPECT_EQ(rewrite(u"$x + 2 * 3"), "add($x,6)");
    EXPECT_EQ(rewrite(u"3 / 3"), "1");
    EXPECT_EQ(rewrite(u"foo(1 + 2)"), "foo(3)") << "an evaluation error while simplifying is ignored";
}

}  // namespace
