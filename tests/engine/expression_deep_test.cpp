// Trees far deeper and wider than a parse makes: whole-tree operations never overflow the stack.
#include <gtest/gtest.h>

#include "engine/expression/MXExpressionArchiveFormat.h"
#include "tests/support/expression_builders.h"

using namespace expression_test;

namespace {

constexpr size_t kDepth = 1'000'000;

// One chain f(f(...f($x)...)) of kDepth calls, shared by the tests (building it is the slow part).
class ExpressionDeepTrees : public ::testing::Test {
protected:
    static void SetUpTestSuite() { deep = new MXExpressionPtr(chain(kDepth, var(u"x"), u"f")); }
    static void TearDownTestSuite() {
        delete deep;
        deep = nullptr;
    }
    static MXExpressionPtr* deep;
};
MXExpressionPtr* ExpressionDeepTrees::deep = nullptr;

const MXExpressionPtr& descend(const MXExpressionPtr& node, size_t levels) {
    const MXExpressionPtr* current = &node;
    for (size_t i = 0; i < levels; ++i) current = &(*current)->arguments()[0];
    return *current;
}

TEST_F(ExpressionDeepTrees, DescriptionAndEquality) {
    const std::u16string text = (*deep)->description();
    ASSERT_EQ(text.size(), 3 * kDepth + 2);
    EXPECT_EQ(text.substr(2 * kDepth - 2, 6), u"f($x))");
    EXPECT_TRUE((*deep)->isEqual(**deep));
    EXPECT_FALSE((*deep)->arguments()[0]->isEqual(**deep)) << "one level shorter";
    EXPECT_FALSE(chain(kDepth, var(u"y"), u"f")->isEqual(**deep)) << "leaves differ at the bottom";
}

TEST_F(ExpressionDeepTrees, CopyThenReleaseKeepsSharedSubtrees) {
    MXExpressionPtr copied = (*deep)->copy();
    ASSERT_TRUE(copied->isEqual(**deep));
    EXPECT_EQ(descend(copied, kDepth)->parentExpression(), descend(copied, kDepth - 1));
    const MXExpressionPtr halfway = descend(copied, kDepth / 2);
    copied.reset();
    EXPECT_EQ(halfway->parentExpression(), nullptr);
    EXPECT_EQ(halfway->description().size(), 3 * (kDepth / 2) + 2) << "the held half is untouched";
    EXPECT_TRUE(halfway->isEqual(*descend(*deep, kDepth / 2)));
}

TEST_F(ExpressionDeepTrees, ArchiveIsWrittenButReadOnlyUpToTheLimit) {
    const std::string archived = (*deep)->archive();
    EXPECT_GT(archived.size(), 30 * kDepth);
    EXPECT_EQ(MXExpression::unarchive(archived), nullptr);

    const MXExpressionPtr& atLimit = descend(*deep, kDepth - mxcalc::detail::kArchiveNestingLimit);
    const MXExpressionPtr restored = MXExpression::unarchive(atLimit->archive());
    ASSERT_NE(restored, nullptr);
    EXPECT_TRUE(restored->isEqual(*atLimit));
    const MXExpressionPtr beyondLimit = descend(*deep, kDepth - mxcalc::detail::kArchiveNestingLimit - 1);
    EXPECT_EQ(MXExpression::unarchive(beyondLimit->archive()), nullptr);
}

TEST(ExpressionWideTrees, DescriptionAndArchive) {
    const std::vector<MXExpressionPtr> arguments(kDepth / 10, MXExpression::numberExpressionWithNumber(MXNumber(1.0)));
    const MXExpressionPtr tree = fn(u"add", arguments);
    EXPECT_EQ(tree->description().size(), std::u16string(u"add()").size() + 2 * arguments.size() - 1);
    const MXExpressionPtr restored = MXExpression::unarchive(tree->archive());
    ASSERT_NE(restored, nullptr);
    EXPECT_TRUE(restored->isEqual(*tree));
}

}  // namespace
