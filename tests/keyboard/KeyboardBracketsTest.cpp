// Balancing round brackets by count before evaluation.
#include "tests/keyboard/KeyboardTestFixture.h"

namespace {

struct BracketCase {
    std::u16string text;
    std::u16string balanced;
};

class KeyboardBrackets : public KeyboardTest, public testing::WithParamInterface<BracketCase> {};

TEST_P(KeyboardBrackets, BalanceByCount) {
    EXPECT_EQ(controller().preCloseBrackets(GetParam().text), GetParam().balanced);
    EXPECT_EQ(controller().closeBracket(nullptr, GetParam().text), GetParam().balanced);
    EXPECT_FALSE(keyboard_.resultsLabel().isFirstResponder());
}

INSTANTIATE_TEST_SUITE_P(Texts, KeyboardBrackets,
                         testing::Values(BracketCase{u"(2+3", u"(2+3)"}, BracketCase{u"sin(rtod(1", u"sin(rtod(1))"},
                                         BracketCase{u"2+3)", u"(2+3)"}, BracketCase{u"2))", u"((2))"},
                                         BracketCase{u"2+3", u"2+3"}, BracketCase{u"(2)*(3)", u"(2)*(3)"},
                                         BracketCase{u"2)+(3", u"2)+(3"}, BracketCase{u"", u""},
                                         BracketCase{u"sin(", u"sin()"}, BracketCase{u")(", u")("},
                                         BracketCase{u"((((", u"(((())))"}));

TEST_F(KeyboardTest, NoTextGivesNothing) {
    EXPECT_EQ(controller().closeBracket(nullptr, std::nullopt), std::nullopt);
    controller().closeBracket(&keyboard_.spaceButton());
    EXPECT_EQ(keyboard_.resultsLabel().text(), u"");
    EXPECT_EQ(keyboard_.spaceTitle(), u"");
}

TEST_F(KeyboardTest, BalancingLeavesTheExpressionViewAlone) {
    controller().processString(u"(((1");
    EXPECT_EQ(keyboard_.spaceTitle(), u" = 1");
    EXPECT_EQ(keyboard_.resultsLabel().text(), u"(((1");
    EXPECT_EQ(controller().currentEvalString(), u"(((1");
    EXPECT_FALSE(keyboard_.resultsLabel().isFirstResponder());
}

TEST_F(KeyboardTest, ASurplusClosingBracketBeforeItsOpeningOneFails) {
    EXPECT_EQ(shown(u")2("), u"");
    EXPECT_EQ(shown(u"2)*(3+1"), u"");
}

}  // namespace
