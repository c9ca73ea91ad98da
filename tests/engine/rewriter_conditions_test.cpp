// Conditions: evaluated numerically with the matched parts, false when they cannot be
// evaluated, and the parity tests of the nthroot rules in either meaning of "%".
#include <cstdlib>

#include "engine/operators/MXMathOperatorSet.h"
#include "tests/engine/operators_default_set_guard.h"
#include "tests/engine/rewriter_support.h"

using namespace rewriter_test;

namespace {

using RewriteConditions = RewriterTest;

TEST_F(RewriteConditions, MatchedPartsAreAlsoVariables) {
    rewriter.addRewriteRule(u"__exp1", u"positive(__exp1)", u"$__exp1 > 0");
    const RewriteCase cases[] = {
        {u"positive($p)", "$p"},
        {u"positive($n)", "positive($n)"},
        {u"positive(2)", "2"},
        {u"positive(-2)", "positive(-2)"},
        {u"positive($x)", "positive($x)"},
    };
    for (const auto& c : cases) EXPECT_EQ(rewrite(c.input), c.result) << utf8(c.input);
}

TEST_F(RewriteConditions, ConditionThatCannotBeEvaluatedDoesNotHold) {
    int calls = 0;
    evaluator.registerFunction(
        [&calls](const std::vector<MXExpressionPtr>&, const MXSubstitutions*, MXMathEvaluator&, MXError* error) {
            ++calls;
            MXError::fillEmptySlot(error, MXError::engineError(MXErrorCodeInvalidArgument, u"refused"));
            return MXExpressionPtr();
        },
        u"refuse");
    rewriter.addRewriteRule(u"__exp1", u"guarded(__exp1)", u"refuse(__exp1)");
    rewriter.addRewriteRule(u"__exp1", u"unknown(__exp1)", u"nosuchfunction(__exp1) == 0");
    EXPECT_EQ(rewrite(u"guarded($p)"), "guarded($p)");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(rewrite(u"unknown(1)"), "unknown(1)");
    EXPECT_EQ(rewrite(u"$x / $x"), "divide($x,$x)") << "$x has no value";
}

// Rules created while "%" means percent: the parity tests still mean remainder.
TEST_F(RewriteConditions, NthrootParityInPercentMode) {
    const DefaultOperatorSetGuard percent(false);
    MXExpressionRewriter createdInPercentMode;
    const RewriteCase cases[] = {
        {u"nthroot($x^2; 2)", "abs($x)"},
        {u"nthroot($x^4; 4)", "abs($x)"},
        {u"nthroot($x^3; 3)", "$x"},
        {u"nthroot($x^2.5; 2.5)", "nthroot(pow($x,2.5),2.5)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(described(createdInPercentMode.expressionByRewritingExpression(parsed(c.input), evaluator)), c.result)
            << utf8(c.input);
        EXPECT_EQ(rewrite(c.input), c.result) << "rules made in modulo mode, used in percent mode: " << utf8(c.input);
    }
}

// The process-wide rewriter first created after a host switched "%" to percent (in a fresh
// process, so that no earlier test has created it).
TEST(RewriteConditionsProcess, DefaultRewriterCreatedInPercentMode) {
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            MXMathOperatorSet::defaultOperatorSet()->setInterpretsPercentSignAsModulo(false);
            MXMathEvaluator evaluator;
            const bool even = described(evaluator.expressionByRewritingExpression(parsed(u"nthroot($x^2;2)"))) == "abs($x)";
            const bool odd = described(evaluator.expressionByRewritingExpression(parsed(u"nthroot($x^3;3)"))) == "$x";
            std::exit(even && odd ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    GTEST_FLAG_SET(death_test_style, style);
}

}  // namespace
