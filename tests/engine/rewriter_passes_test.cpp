// Passes: rewriting repeats until nothing changes, and gives up after 256 passes with
// "ABORT: replacement limit reached", returning the tree as simplified at the last start.
#include "platform/log/MXLog.h"
#include "tests/engine/rewriter_support.h"

using namespace rewriter_test;

namespace {

constexpr const char* kAbort = "ABORT: replacement limit reached";

using RewritePasses = RewriterTest;

// A rule that matches its own result with a new node each time; the condition counts passes.
TEST_F(RewritePasses, SelfMatchingRuleStopsAtTheLimit) {
    int passes = 0;
    evaluator.registerFunction(
        [&passes](const std::vector<MXExpressionPtr>&, const MXSubstitutions*, MXMathEvaluator&, MXError*) {
            ++passes;
            return MXExpression::numberExpressionWithNumber(MXNumber(1.0));
        },
        u"tick");
    rewriter.addRewriteRule(u"__exp1 + 1", u"__exp1 + 1", u"tick()");
    MXLogCapture log;
    EXPECT_EQ(rewrite(u"$x + 1"), "add($x,1)");
    EXPECT_EQ(passes, MXExpressionRewriter::kMaximumPasses);
    EXPECT_EQ(log.lines(), std::vector<std::string>{kAbort});
}

TEST_F(RewritePasses, SelfMatchingRuleWithoutCondition) {
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

TEST_F(RewritePasses, RulesThatUndoEachOtherStopAtTheLimit) {
    rewriter.addRewriteRule(u"bb(__exp1)", u"aa(__exp1)");
    rewriter.addRewriteRule(u"aa(__exp1)", u"bb(__exp1)");
    MXLogCapture log;
    EXPECT_EQ(rewrite(u"aa($x)"), "aa($x)");
    EXPECT_EQ(rewrite(u"bb($x)"), "aa($x)") << "the second rule has the last word in every pass";
    EXPECT_EQ(log.lines(), std::vector<std::string>(2, kAbort));
}

// countdown(n) becomes countdown(n - 1) while n > 0: n passes that change the tree, then
// one that does not. 255 changes end in the 256th pass; the 256th change would need a 257th.
TEST_F(RewritePasses, LimitBoundary) {
    rewriter.addRewriteRule(u"countdown(__num1 - 1)", u"countdown(__num1)", u"__num1 > 0");
    const struct {
        const char16_t* input;
        const char* result;
        bool aborted;
    } cases[] = {
        {u"countdown(0)", "countdown(0)", false},
        {u"countdown(255)", "countdown(0)", false},
        {u"countdown(256)", "countdown(1)", true},
        {u"countdown(300)", "countdown(45)", true},
    };
    for (const auto& c : cases) {
        MXLogCapture log;
        EXPECT_EQ(rewrite(c.input), c.result) << utf8(c.input);
        EXPECT_EQ(log.contains(kAbort), c.aborted) << utf8(c.input);
    }
}

}  // namespace
