// Passes repeat until nothing changes and stop at the pass and node limits; the nthroot parity
// tests hold in either meaning of "%".
#include "platform/log/MXLog.h"
#include "tests/support/operator_set_guard.h"
#include "tests/support/repeated_text.h"
#include "tests/support/rewriter_fixture.h"

using namespace rewriter_test;

namespace {

constexpr const char* kAbort = "ABORT: replacement limit reached";

using RewritePasses = RewriterTest;

// A rule that matches its own result, with a new node each time, runs into the pass limit.
TEST_F(RewritePasses, SelfMatchingRuleStopsAtTheLimit) {
    rewriter.addRewriteRule(u"__exp1 + 1", u"__exp1 + 1");
    MXLogCapture log;
    EXPECT_EQ(rewrite(u"$x + 1"), "add($x,1)");
    EXPECT_EQ(rewrite(u"$x * 2"), "multiply($x,2)");
    EXPECT_EQ(log.lines(), std::vector<std::string>{kAbort}) << "only the sum runs into the limit";
}

// Each pass doubles every leaf: the node limit ends it long before the pass limit would.
TEST_F(RewritePasses, RuleThatDoublesTheTreeStopsAtTheNodeLimit) {
    rewriter.addRewriteRule(u"pair(__var1;__var1)", u"__var1");
    MXLogCapture log;
    MXExpressionPtr node = rewriter.expressionByRewritingExpression(parsed(u"$x"), evaluator);
    int depth = 0;
    for (; node && node->expressionType() == MXExpressionTypeFunction; node = node->arguments().front()) ++depth;
    // The first tree over 100,000 nodes is 16 deep (2^16 leaves); the one before it is returned.
    EXPECT_EQ(depth, 15);
    EXPECT_EQ(log.lines(), std::vector<std::string>{kAbort});
}

// countdown(n) becomes countdown(n - 1) while n > 0: n passes that change the tree, then
// one that does not. 255 changes end in the 256th pass; the 256th change would need a 257th.
TEST_F(RewritePasses, LimitBoundary) {
    rewriter.addRewriteRule(u"countdown(__num1 - 1)", u"countdown(__num1)", u"__num1 > 0");
    const std::tuple<const char16_t*, const char*, bool> cases[] = {
        {u"countdown(0)", "countdown(0)", false}, {u"countdown(255)", "countdown(0)", false},
        {u"countdown(256)", "countdown(1)", true}};
    for (const auto& [input, result, aborted] : cases) {
        MXLogCapture log;
        EXPECT_EQ(rewrite(input), result) << utf8(input);
        EXPECT_EQ(log.contains(kAbort), aborted) << utf8(input);
    }
}

// Each pass removes only the top "+ 0" (the rewritten node is not searched again), also when
// later passes skip what earlier ones already searched: 255 go, the 256th pass is dropped.
TEST_F(RewritePasses, LongChainLosesOneTermPerPass) {
    const std::u16string chain = u"$x" + repeated(u"+0", 300);
    std::string left = "$x";
    for (int i = 0; i < 300 - (MXExpressionRewriter::kMaximumPasses - 1); ++i) left = "add(" + left + ",0)";
    MXLogCapture log;
    EXPECT_EQ(rewrite(chain), left);
    EXPECT_EQ(log.lines(), std::vector<std::string>{kAbort});
}

using RewriteConditions = RewriterTest;

// Rules created while "%" means percent: the parity tests still mean remainder.
TEST_F(RewriteConditions, NthrootParityInPercentMode) {
    const DefaultOperatorSetGuard percent(false);
    MXExpressionRewriter createdInPercentMode;
    const RewriteCase cases[] = {{u"nthroot($x^2; 2)", "abs($x)"}, {u"nthroot($x^3; 3)", "$x"},
                                 {u"nthroot($x^2.5; 2.5)", "nthroot(pow($x,2.5),2.5)"}};
    for (const auto& c : cases) {
        EXPECT_EQ(described(createdInPercentMode.expressionByRewritingExpression(parsed(c.input), evaluator)), c.result)
            << utf8(c.input);
        EXPECT_EQ(rewrite(c.input), c.result) << "rules made in modulo mode, used in percent mode: " << utf8(c.input);
    }
}

}  // namespace
