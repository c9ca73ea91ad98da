// Trees far deeper and wider than a parse can produce, built through the factories: every
// whole-tree operation must finish without overflowing the stack.
#include <gtest/gtest.h>

#include "engine/expression/MXExpressionArchiveFormat.h"
#include "tests/engine/expression_builders.h"

using namespace expression_test;

namespace {

constexpr size_t kDepth = 1'000'000;

TEST(ExpressionDeepTrees, DescriptionOfDeepChain) {
    const MXExpressionPtr tree = chain(kDepth, num(7), u"F");
    const std::u16string text = tree->description();
    ASSERT_EQ(text.size(), 3 * kDepth + 1);
    EXPECT_EQ(text.substr(0, 4), u"f(f(");
    EXPECT_EQ(text.substr(2 * kDepth - 1, 4), u"(7))");
}

TEST(ExpressionDeepTrees, CopyAndEqualityOfDeepChain) {
    const MXExpressionPtr tree = chain(kDepth, var(u"x"));
    const MXExpressionPtr copied = tree->copy();
    EXPECT_TRUE(copied->isEqual(*tree));
    EXPECT_FALSE(chain(kDepth, var(u"y"))->isEqual(*tree)) << "leaves differ at the bottom";
    EXPECT_FALSE(tree->arguments()[0]->isEqual(*tree)) << "one level shorter";
}

TEST(ExpressionDeepTrees, ReleasingDeepChainKeepsSharedSubtrees) {
    MXExpressionPtr middle = chain(kDepth / 2, num(1), u"f");
    MXExpressionPtr tree = chain(kDepth / 2, middle);
    tree.reset();
    EXPECT_EQ(middle->description().size(), 3 * (kDepth / 2) + 1) << "the shared half is untouched";
    EXPECT_EQ(middle->parentExpression(), nullptr);
}

TEST(ExpressionDeepTrees, WideCallDescriptionAndArchive) {
    std::vector<MXExpressionPtr> arguments(kDepth / 4, num(1));
    const MXExpressionPtr tree = fn(u"add", arguments);
    EXPECT_EQ(tree->description().size(), std::u16string(u"add()").size() + 2 * arguments.size() - 1);
    const MXExpressionPtr restored = MXExpression::unarchive(tree->archive());
    ASSERT_NE(restored, nullptr);
    EXPECT_TRUE(restored->isEqual(*tree));
}

TEST(ExpressionDeepTrees, ArchiveOfDeepChainIsWrittenButReadOnlyUpToTheLimit) {
    const std::string deepest = chain(kDepth, num(1))->archive();
    EXPECT_GT(deepest.size(), kDepth);
    EXPECT_EQ(MXExpression::unarchive(deepest), nullptr);

    const MXExpressionPtr atLimit = chain(detail::kArchiveNestingLimit, num(1));
    const MXExpressionPtr restored = MXExpression::unarchive(atLimit->archive());
    ASSERT_NE(restored, nullptr);
    EXPECT_TRUE(restored->isEqual(*atLimit));
    EXPECT_EQ(MXExpression::unarchive(chain(detail::kArchiveNestingLimit + 1, num(1))->archive()), nullptr);
}

}  // namespace
