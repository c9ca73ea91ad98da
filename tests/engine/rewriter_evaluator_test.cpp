// The evaluator's entry points: rewriting with the process-wide rewriter and this evaluator,
// and rules added through any evaluator being shared by all.
#include <cmath>

#include "platform/log/MXLog.h"
#include "tests/engine/rewriter_support.h"

using namespace rewriter_test;

namespace {

std::string rewrittenBy(MXMathEvaluator& evaluator, std::u16string_view text) {
    return described(evaluator.expressionByRewritingExpression(parsed(text)));
}

TEST(EvaluatorRewriting, StandardRulesThroughTheEvaluator) {
    const RewriteCase cases[] = {
        {u"$x + 0", "$x"},
        {u"0 * $x", "0"},
        {u"$x * $x", "pow($x,2)"},
        {u"2 * $x", "multiply($x,2)"},
        {u"$x / $x", "divide($x,$x)"},
        {u"3 / 3", "1"},
        {u"abs(-$y)", "abs($y)"},
        {u"dtor(rtod($x))", "$x"},
        {u"$x + 2 * 3", "add($x,6)"},
        {u"(1 * $x + 0) * ($x - $x + $x)", "pow($x,2)"},
    };
    MXMathEvaluator evaluator;
    for (const auto& c : cases) EXPECT_EQ(rewrittenBy(evaluator, c.input), c.result) << utf8(c.input);
}

TEST(EvaluatorRewriting, SimplifiesWithThisEvaluator) {
    MXMathEvaluator radians;
    MXMathEvaluator degrees;
    degrees.setAngleMeasurementMode(MXAngleMeasurementModeDegrees);
    EXPECT_EQ(rewrittenBy(degrees, u"sin(90) * $x"), "$x");
    EXPECT_EQ(rewrittenBy(radians, u"sin(90) * $x"),
              "multiply($x," + utf8(MXNumber(std::sin(90.0)).description()) + ")");
}

TEST(EvaluatorRewriting, AddedRulesAreSharedByAllEvaluators) {
    MXMathEvaluator adding;
    MXMathEvaluator other;
    const size_t before = MXExpressionRewriter::defaultRewriter().rewriteRules().size();
    EXPECT_EQ(rewrittenBy(other, u"evaluatorshared($x)"), "evaluatorshared($x)");
    adding.addRewriteRule(u"__exp1", u"evaluatorshared(__exp1)", u"");
    EXPECT_EQ(rewrittenBy(other, u"evaluatorshared($x)"), "$x");

    MXLogCapture log;
    adding.addRewriteRule(u"__exp1", u"evaluatorshared(", u"");
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(MXExpressionRewriter::defaultRewriter().rewriteRules().size(), before + 1);
}

}  // namespace
