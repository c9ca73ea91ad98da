// Creating rules from text, and the evaluator's entry points to the process-wide rewriter.
#include <cmath>

#include "platform/log/MXLog.h"
#include "tests/support/rewriter_fixture.h"

using namespace rewriter_test;

namespace {

std::string parseError(std::u16string_view text) {
    MXError error;
    EXPECT_EQ(MXExpression::expressionFromString(text, &error), nullptr) << utf8(std::u16string(text));
    return utf8(error.description());
}

struct RefusedRule {
    const char* name;
    const char16_t* templateText;
    const char16_t* replacement;
    // The error text the log line must carry: that of this text, or "(null)" when empty.
    const char16_t* reported;
};

TEST(RewriteRuleCreation, RefusedRulesAreLoggedAndNotAdded) {
    const RefusedRule cases[] = {
        {"template does not parse", u"1 +", u"__exp1", u"1 +"},
        {"replacement does not parse", u"f(__exp1)", u"(__exp1", u"(__exp1"},
        {"neither parses: the replacement's error", u"1 +", u"(__exp1", u"(__exp1"},
        {"template is no call", u"$x", u"1", nullptr},
    };
    MXExpressionRewriter rewriter;
    const size_t standardCount = rewriter.rewriteRules().size();
    for (const auto& c : cases) {
        MXLogCapture log;
        EXPECT_EQ(mxcalc::detail::MXRewriteRule::rewriteRuleWithTemplate(c.templateText, c.replacement), nullptr) << c.name;
        rewriter.addRewriteRule(c.replacement, c.templateText);
        const std::string expected =
            "error creating rule: " + (c.reported != nullptr ? parseError(c.reported) : std::string("(null)"));
        EXPECT_EQ(log.lines(), std::vector<std::string>(2, expected)) << c.name;
    }
    EXPECT_EQ(rewriter.rewriteRules().size(), standardCount);
}

// A condition that does not parse is dropped silently, like an empty one: the rule applies
// without one.
TEST(RewriteRuleCreation, ConditionThatDoesNotParseOrIsEmptyMeansNone) {
    MXLogCapture log;
    for (const char16_t* condition : {u"__exp1 >", u"", u"1"}) {
        const auto rule = mxcalc::detail::MXRewriteRule::rewriteRuleWithTemplate(u"keep(__exp1)", u"__exp1", condition);
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(rule->condition() == nullptr, condition != std::u16string_view(u"1")) << utf8(condition);
    }
    EXPECT_TRUE(log.lines().empty());
    const auto rule = mxcalc::detail::MXRewriteRule::rewriteRuleWithTemplate(u"0 + __exp1", u"__exp1");
    const std::string text = utf8(rule->description());
    EXPECT_TRUE(text.starts_with("<MXRewriteRule: 0x") && text.ends_with("> (add(0,__exp1()) => __exp1())")) << text;
}

std::string rewrittenBy(MXMathEvaluator& evaluator, std::u16string_view text) {
    return described(evaluator.expressionByRewritingExpression(parsed(text)));
}

TEST(EvaluatorRewriting, SimplifiesWithThisEvaluator) {
    MXMathEvaluator radians;
    MXMathEvaluator degrees;
    degrees.setAngleMeasurementMode(MXAngleMeasurementModeDegrees);
    EXPECT_EQ(rewrittenBy(degrees, u"(1 * sin(90) * $x + 0) * ($x - $x + $x)"), "pow($x,2)");
    EXPECT_EQ(rewrittenBy(radians, u"sin(90) * $x"),
              "multiply($x," + utf8(MXNumber(std::sin(90.0)).description()) + ")");
}

TEST(EvaluatorRewriting, AddedRulesAreSharedByAllEvaluators) {
    MXMathEvaluator adding;
    MXMathEvaluator other;
    EXPECT_EQ(rewrittenBy(other, u"evaluatorshared($x)"), "evaluatorshared($x)");
    adding.addRewriteRule(u"__exp1", u"evaluatorshared(__exp1)", u"");
    EXPECT_EQ(rewrittenBy(other, u"evaluatorshared($x)"), "$x");
}

}  // namespace
