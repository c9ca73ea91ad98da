// Creating rules from text: what is refused and logged, conditions that do not parse, and
// the description.
#include <regex>

#include "platform/log/MXLog.h"
#include "tests/engine/rewriter_support.h"

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
        {"template is a number", u"0", u"1", nullptr},
        {"template is a variable", u"$x", u"1", nullptr},
    };
    MXExpressionRewriter rewriter;
    const size_t standardCount = rewriter.rewriteRules().size();
    for (const auto& c : cases) {
        MXLogCapture log;
        EXPECT_EQ(detail::MXRewriteRule::rewriteRuleWithTemplate(c.templateText, c.replacement), nullptr) << c.name;
        rewriter.addRewriteRule(c.replacement, c.templateText);
        const std::string expected =
            "error creating rule: " + (c.reported != nullptr ? parseError(c.reported) : std::string("(null)"));
        EXPECT_EQ(log.lines(), std::vector<std::string>(2, expected)) << c.name;
    }
    EXPECT_EQ(rewriter.rewriteRules().size(), standardCount);
}

TEST(RewriteRuleCreation, ConditionThatDoesNotParseIsDropped) {
    MXLogCapture log;
    const auto rule = detail::MXRewriteRule::rewriteRuleWithTemplate(u"keep(__exp1)", u"__exp1", u"__exp1 >");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->condition(), nullptr);
    EXPECT_TRUE(log.lines().empty());

    MXMathEvaluator evaluator;
    MXExpressionRewriter rewriter;
    rewriter.addRewriteRule(u"__exp1", u"keep(__exp1)", u"__exp1 >");
    EXPECT_EQ(described(rewriter.expressionByRewritingExpression(parsed(u"keep($x)"), evaluator)), "$x")
        << "applies without a condition";
}

TEST(RewriteRuleCreation, EmptyConditionMeansNone) {
    const auto rule = detail::MXRewriteRule::rewriteRuleWithTemplate(u"keep(__exp1)", u"__exp1", u"");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->condition(), nullptr);
    const auto conditional = detail::MXRewriteRule::rewriteRuleWithTemplate(u"keep(__exp1)", u"__exp1", u"1");
    ASSERT_NE(conditional, nullptr);
    EXPECT_NE(conditional->condition(), nullptr);
}

TEST(RewriteRuleCreation, DescriptionShowsTemplateAndReplacement) {
    const auto rule = detail::MXRewriteRule::rewriteRuleWithTemplate(u"0 + __exp1", u"__exp1");
    ASSERT_NE(rule, nullptr);
    const std::string text = utf8(rule->description());
    EXPECT_TRUE(std::regex_match(text, std::regex(R"(<MXRewriteRule: 0x[0-9a-f]+> \(add\(0,__exp1\(\)\) => __exp1\(\)\))")))
        << text;
}

}  // namespace
