// Chains of left-associative operators as long as the text allows: parsed, evaluated,
// simplified, rewritten and printed without recursion through their length.
#include <gtest/gtest.h>

#include "tests/support/evaluation_outcome.h"
#include "tests/support/repeated_text.h"

using namespace evaluator_test;

namespace {

constexpr size_t kTerms = 100'000;

struct ChainCase {
    std::u16string text;
    const char* value;  // also what simplification and rewriting give, when they fold
    bool folds;
};

TEST(FlatChains, LongChainsEvaluateSimplifyRewriteAndPrint) {
    const ChainCase cases[] = {
        {repeated(u"1+", kTerms) + u"1", "100001", true},
        {repeated(u"1-", kTerms) + u"1", "-99999", true},
        {repeated(u"2*3+", kTerms) + u"1", "600001", true},
        {u"1" + repeated(u"!", kTerms), "1", true},
        {u"1+foo(2)" + repeated(u"+1", kTerms), "error 15: unable to resolve function: foo", false},
        {repeated(u"$x+", kTerms) + u"1", "error 14: unable to resolve variable: $x", false},
    };
    MXMathEvaluator evaluator;
    for (const auto& c : cases) {
        const std::string context = utf8(c.text.substr(0, 10));
        MXError error;
        const MXExpressionPtr tree = MXExpression::expressionFromString(c.text, &error);
        ASSERT_NE(tree, nullptr) << context << ": " << utf8(error.localizedDescription());
        EXPECT_GT(tree->description().size(), c.text.size()) << context;
        EXPECT_EQ(shown(evaluateTree(evaluator, tree)), c.value) << context;
        const MXExpressionPtr simplified = tree->simplifiedExpressionWithEvaluator(&evaluator);
        const MXExpressionPtr rewritten = evaluator.expressionByRewritingExpression(tree);
        ASSERT_TRUE(simplified && rewritten) << context;
        if (c.folds) {
            EXPECT_EQ(utf8(simplified->description()), c.value) << context;
            EXPECT_EQ(utf8(rewritten->description()), c.value) << context;
        } else {
            EXPECT_EQ(simplified->function(), u"add") << context;
            EXPECT_EQ(rewritten->function(), u"add") << context;
        }
    }
}

}  // namespace
