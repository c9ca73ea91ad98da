// Each standard rule, with near misses where a condition or a typed placeholder refuses;
// placeholders, node sharing and top-down application.
#include "tests/support/rewriter_fixture.h"

using namespace rewriter_test;
using namespace expression_test;

namespace {

struct RuleCase {
    size_t rule;
    const char16_t* input;
    bool fires;
    const char* result;
};

using StandardRules = RewriterTest;

TEST_F(StandardRules, EachRuleFires) {
    const RuleCase cases[] = {
        {1, u"0 + $x", true, "$x"}, {2, u"$x + 0", true, "$x"}, {3, u"$x + $x", true, "multiply($x,2)"},
        {4, u"$x - $x", true, "0"}, {5, u"1 * $x", true, "$x"}, {6, u"$x * 1", true, "$x"},
        {7, u"$x * $x", true, "pow($x,2)"}, {8, u"2 * $x", true, "multiply($x,2)"},
        {8, u"2 * sin($x)", false, "multiply(2,sin($x))"}, {8, u"$y * $x", false, "multiply($y,$x)"},
        {9, u"0 * $x", true, "0"}, {10, u"$x * 0", true, "0"}, {11, u"--$x", true, "$x"},
        {12, u"abs(-$y)", true, "abs($y)"}, {13, u"exp($x) * exp($y)", true, "exp(add($x,$y))"},
        {14, u"$x^$z * $y^$z", true, "pow(multiply($x,$y),$z)"},
        {14, u"$x^$z * $y^$w", false, "multiply(pow($x,$z),pow($y,$w))"},
        {15, u"$x^0", true, "1"}, {16, u"$x^1", true, "$x"}, {17, u"sqrt($x^2)", true, "abs($x)"},
        {18, u"dtor(rtod($x))", true, "$x"}, {19, u"rtod(dtor($x))", true, "$x"},
        {20, u"$p / $p", true, "1"}, {20, u"$z / $z", false, "divide($z,$z)"},
        {21, u"($x * $p) / $p", true, "$x"}, {22, u"($p * $x) / $p", true, "$x"},
        {23, u"$p / ($p * $x)", true, "divide(1,$x)"}, {24, u"$p / ($x * $p)", true, "divide(1,$x)"},
        {25, u"nthroot($x^2; 2)", true, "abs($x)"}, {25, u"nthroot($x^2; 3)", false, "nthroot(pow($x,2),3)"},
        {26, u"nthroot($x^3; 3)", true, "$x"}, {26, u"nthroot($x^2; 2)", false, "abs($x)"},
        {27, u"abs($p)", true, "$p"}, {27, u"abs($n)", false, "abs($n)"}, {27, u"abs($x)", false, "abs($x)"},
    };
    ASSERT_EQ(rewriter.rewriteRules().size(), 27u);
    for (const auto& c : cases) {
        const std::string name = "rule " + std::to_string(c.rule) + " on " + utf8(c.input);
        EXPECT_EQ(standardRule(c.rule).ruleMatchesExpression(simplified(c.input), evaluator), c.fires) << name;
        EXPECT_EQ(rewrite(c.input), c.result) << name;
    }
}

TEST_F(StandardRules, PlaceholdersBindByKindAndByName) {
    const std::tuple<const char*, size_t, MXExpressionPtr, bool> cases[] = {
        {"same name, equal subtrees", 3, fn(u"add", {fn(u"sin", {var(u"x")}), fn(u"sin", {var(u"x")})}), true},
        {"same name, other subtrees", 3, fn(u"add", {fn(u"sin", {var(u"x")}), fn(u"sin", {var(u"y")})}), false},
        {"different names may bind equal parts", 21, fn(u"divide", {fn(u"multiply", {var(u"p"), var(u"p")}), var(u"p")}),
         true},
        {"typed placeholder facing a call of its own name", 8, fn(u"multiply", {fn(u"__num1"), fn(u"__var1")}), true},
        {"name compared lower-cased", 1, fn(u"ADD", {num(0), var(u"x")}), true},
        {"other argument count", 12, fn(u"abs", {fn(u"negate", {var(u"x")}), num(1)}), false},
        {"other function", 12, fn(u"abs", {fn(u"factorial", {var(u"x")})}), false},
        {"leaf against a call template", 1, var(u"x"), false},
    };
    for (const auto& [name, rule, tree, matches] : cases)
        EXPECT_EQ(standardRule(rule).ruleMatchesExpression(tree, evaluator), matches) << name;
}

TEST_F(StandardRules, FunctionPlaceholderTakesAnyCall) {
    rewriter.addRewriteRule(u"__func1", u"outer(__func1)");
    expectRewrites({{u"outer(max($x; $y))", "max($x,$y)"}, {u"outer($x)", "outer($x)"}});
}

// A rewrite returns the bound node or the replacement's own node, not copies; a rule that
// does not match returns its input.
TEST_F(StandardRules, RewritesShareNodes) {
    const MXExpressionPtr x = fn(u"sin", {var(u"x")});
    EXPECT_EQ(standardRule(1).expressionByRewritingExpression(fn(u"add", {num(0), x}), evaluator), x);
    const mxcalc::detail::MXRewriteRule& zero = standardRule(9);
    EXPECT_EQ(zero.expressionByRewritingExpression(fn(u"multiply", {num(0), x}), evaluator), zero.pattern());
    const MXExpressionPtr tree = fn(u"add", {num(1), x});
    EXPECT_EQ(standardRule(1).expressionByRewritingExpression(tree, evaluator), tree);
    EXPECT_EQ(rewriter.expressionByRewritingExpression(x->arguments()[0], evaluator), x->arguments()[0]);
    EXPECT_EQ(rewriter.expressionByRewritingExpression(nullptr, evaluator), nullptr);
    EXPECT_EQ(rewrite(u"foo(1 + 2)"), "foo(3)") << "an evaluation error while simplifying is ignored";
}

// a(a(a(x))): top-down the outer pair is rewritten first and the result not searched again
// in that pass, giving b(a(x)); bottom-up would give a(b(x)).
TEST_F(StandardRules, RulesApplyTopDown) {
    rewriter.addRewriteRule(u"b(__exp1)", u"a(a(__exp1))");
    expectRewrites({{u"a(a(a($x)))", "b(a($x))"}, {u"a(a(a(a($x))))", "b(b($x))"},
                    {u"c(a(a($x)); a(a($y)))", "c(b($x),b($y))"}});
    // Each rule runs over the tree the previous one left, within the same pass.
    rewriter.addRewriteRule(u"second(__exp1)", u"first(__exp1)");
    rewriter.addRewriteRule(u"third(__exp1)", u"second(__exp1)");
    EXPECT_EQ(rewrite(u"first($x)"), "third($x)");
}

}  // namespace
