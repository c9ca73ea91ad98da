// What the space key shows after an evaluation.
#include "engine/operators/MXMathOperatorSet.h"
#include "tests/support/keyboard_fixture.h"

namespace {

struct DisplayCase {
    std::u16string expression;
    std::u16string display;
};

class KeyboardResultDisplay : public KeyboardTest, public testing::WithParamInterface<DisplayCase> {};

TEST_P(KeyboardResultDisplay, ShowsTheFormattedResultOrNothing) {
    EXPECT_EQ(shown(GetParam().expression), GetParam().display);
}

const DisplayCase kResults[] = {
    {u"10^200", u" = 1E200"}, {u"0-10^300", u" = -1E300"}, {u"10^-200", u" = 1E-200"},
};
INSTANTIATE_TEST_SUITE_P(Results, KeyboardResultDisplay, testing::ValuesIn(kResults));

TEST_F(KeyboardTest, TheEvaluatorIsKeptOnlyWhileTheTextCallsATrigonometricFunction) {
    const auto& operators = MXMathOperatorSet::defaultOperatorSet();
    ASSERT_EQ(shown(u"sin(0)"), u" = 0");
    operators->setInterpretsPercentSignAsModulo(true);
    // Kept: "%" still means modulo, which lacks its right operand.
    EXPECT_EQ(shown(u"sin(0)+50%"), u"");
    // Created anew, which makes "%" mean percent again.
    EXPECT_EQ(shown(u"50%"), u" = 0.5");
    EXPECT_FALSE(operators->interpretsPercentSignAsModulo());
    EXPECT_EQ(shown(u"sin(0)+50%"), u" = 0");
}

}  // namespace
