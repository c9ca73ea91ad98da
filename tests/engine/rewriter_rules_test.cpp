// Every rule of the standard table: one input it fires on and one near miss it must leave,
// each checked on the rule itself and through a whole rewrite.
#include "tests/engine/rewriter_support.h"

using namespace rewriter_test;

namespace {

struct RuleCase {
    size_t rule;
    const char16_t* input;
    bool fires;
    const char* result;
};

using StandardRules = RewriterTest;

TEST_F(StandardRules, EachRuleFiresAndMissesItsNearMiss) {
    const RuleCase cases[] = {
        {1, u"0 + $x", true, "$x"},
        {1, u"1 + $x", false, "add(1,$x)"},
        {2, u"$x + 0", true, "$x"},
        {2, u"$x + 1", false, "add($x,1)"},
        {3, u"$x + $x", true, "multiply($x,2)"},
        {3, u"$x + $y", false, "add($x,$y)"},
        {4, u"$x - $x", true, "0"},
        {4, u"$x - $y", false, "subtract($x,$y)"},
        {5, u"1 * $x", true, "$x"},
        {5, u"-1 * $x", false, "multiply($x,-1)"},
        {6, u"$x * 1", true, "$x"},
        {6, u"$x * -1", false, "multiply($x,-1)"},
        {7, u"$x * $x", true, "pow($x,2)"},
        {7, u"$x * $y", false, "multiply($x,$y)"},
        {8, u"2 * $x", true, "multiply($x,2)"},
        {8, u"$x * 2", false, "multiply($x,2)"},
        {8, u"2 * sin($x)", false, "multiply(2,sin($x))"},
        {8, u"$y * $x", false, "multiply($y,$x)"},
        {9, u"0 * $x", true, "0"},
        {9, u"0 / $x", false, "divide(0,$x)"},
        {10, u"$x * 0", true, "0"},
        {10, u"$x / 0", false, "divide($x,0)"},
        {11, u"--$x", true, "$x"},
        {11, u"-$x", false, "negate($x)"},
        {12, u"abs(-$y)", true, "abs($y)"},
        {12, u"-abs($y)", false, "negate(abs($y))"},
        {13, u"exp($x) * exp($y)", true, "exp(add($x,$y))"},
        {13, u"exp($x) + exp($y)", false, "add(exp($x),exp($y))"},
        {14, u"$x^$z * $y^$z", true, "pow(multiply($x,$y),$z)"},
        {14, u"$x^$z * $y^$w", false, "multiply(pow($x,$z),pow($y,$w))"},
        {15, u"$x^0", true, "1"},
        {15, u"0^$x", false, "pow(0,$x)"},
        {16, u"$x^1", true, "$x"},
        {16, u"1^$x", false, "pow(1,$x)"},
        {17, u"sqrt($x^2)", true, "abs($x)"},
        {17, u"sqrt($x^3)", false, "sqrt(pow($x,3))"},
        {18, u"dtor(rtod($x))", true, "$x"},
        {18, u"dtor(dtor($x))", false, "dtor(dtor($x))"},
        {19, u"rtod(dtor($x))", true, "$x"},
        {19, u"rtod(rtod($x))", false, "rtod(rtod($x))"},
        {20, u"$p / $p", true, "1"},
        {20, u"$z / $z", false, "divide($z,$z)"},
        {20, u"$x / $x", false, "divide($x,$x)"},
        {21, u"($x * $p) / $p", true, "$x"},
        {21, u"($x * $z) / $z", false, "divide(multiply($x,$z),$z)"},
        {22, u"($p * $x) / $p", true, "$x"},
        {22, u"($z * $x) / $z", false, "divide(multiply($z,$x),$z)"},
        {23, u"$p / ($p * $x)", true, "divide(1,$x)"},
        {23, u"$z / ($z * $x)", false, "divide($z,multiply($z,$x))"},
        {24, u"$p / ($x * $p)", true, "divide(1,$x)"},
        {24, u"$z / ($x * $z)", false, "divide($z,multiply($x,$z))"},
        {25, u"nthroot($x^2; 2)", true, "abs($x)"},
        {25, u"nthroot($x^2; 3)", false, "nthroot(pow($x,2),3)"},
        {26, u"nthroot($x^3; 3)", true, "$x"},
        {26, u"nthroot($x^2; 2)", false, "abs($x)"},
        {27, u"abs($p)", true, "$p"},
        {27, u"abs($n)", false, "abs($n)"},
        {27, u"abs($x)", false, "abs($x)"},
    };
    ASSERT_EQ(rewriter.rewriteRules().size(), 27u);
    for (const auto& c : cases) {
        const std::string name = "rule " + std::to_string(c.rule) + " on " + utf8(c.input);
        EXPECT_EQ(standardRule(c.rule).ruleMatchesExpression(simplified(c.input), evaluator), c.fires) << name;
        EXPECT_EQ(rewrite(c.input), c.result) << name;
    }
}

// Rewriting the result again changes nothing: no rule turns $x * 2 back.
TEST_F(StandardRules, NoRuleTurnsAProductBack) {
    const MXExpressionPtr once = rewriter.expressionByRewritingExpression(parsed(u"2 * $x"), evaluator);
    EXPECT_EQ(described(rewriter.expressionByRewritingExpression(once, evaluator)), "multiply($x,2)");
}

}  // namespace
