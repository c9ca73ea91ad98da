// The standard rule table, in the order it is applied.
#include "engine/rewriter/MXExpressionRewriter.h"
#include "engine/rewriter/MXRewriteRule.h"

namespace {

struct RuleText {
    const char16_t* replacement;
    const char16_t* templateText;
    const char16_t* condition;
};

// The parity tests of the two nthroot rules call mod() rather than using "%": "%" means
// percent once a host has switched the shared operator set, and these must mean remainder.
constexpr RuleText kDefaultRules[] = {
    {u"__exp1", u"0 + __exp1", u""},
    {u"__exp1", u"__exp1 + 0", u""},
    {u"2 * __exp1", u"__exp1 + __exp1", u""},
    {u"0", u"__exp1 - __exp1", u""},
    {u"__exp1", u"1 * __exp1", u""},
    {u"__exp1", u"__exp1 * 1", u""},
    {u"__exp1 ^ 2", u"__exp1 * __exp1", u""},
    {u"__var1 * __num1", u"__num1 * __var1", u""},
    {u"0", u"0 * __exp1", u""},
    {u"0", u"__exp1 * 0", u""},
    {u"__exp1", u"--__exp1", u""},
    {u"abs(__exp1)", u"abs(-__exp1)", u""},
    {u"exp(__exp1 + __exp2)", u"exp(__exp1) * exp(__exp2)", u""},
    {u"(__exp1 * __exp2) ^ __exp3", u"(__exp1 ^ __exp3) * (__exp2 ^ __exp3)", u""},
    {u"1", u"__exp1 ^ 0", u""},
    {u"__exp1", u"__exp1 ^ 1", u""},
    {u"abs(__exp1)", u"sqrt(__exp1 ^ 2)", u""},
    {u"__exp1", u"dtor(rtod(__exp1))", u""},
    {u"__exp1", u"rtod(dtor(__exp1))", u""},
    {u"1", u"__exp1 / __exp1", u"__exp1 != 0"},
    {u"__exp1", u"(__exp1 * __exp2) / __exp2", u"__exp2 != 0"},
    {u"__exp1", u"(__exp2 * __exp1) / __exp2", u"__exp2 != 0"},
    {u"1/__exp1", u"__exp2 / (__exp2 * __exp1)", u"__exp2 != 0"},
    {u"1/__exp1", u"__exp2 / (__exp1 * __exp2)", u"__exp2 != 0"},
    {u"abs(__exp1)", u"nthroot(pow(__exp1; __exp2); __exp2)", u"mod(__exp2; 2) == 0"},
    {u"__exp1", u"nthroot(pow(__exp1; __exp2); __exp2)", u"mod(__exp2; 2) == 1"},
    {u"__exp1", u"abs(__exp1)", u"__exp1 >= 0"},
};

}  // namespace

MXExpressionRewriter::MXExpressionRewriter() {
    for (const RuleText& rule : kDefaultRules) addRewriteRule(rule.replacement, rule.templateText, rule.condition);
}
