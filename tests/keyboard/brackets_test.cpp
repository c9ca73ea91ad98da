// Balancing round brackets by count before evaluation.
#include "tests/support/keyboard_fixture.h"

namespace {

TEST_F(KeyboardTest, BracketsAreBalancedByCount) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"(2+3", u"(2+3)"}, {u"sin(rtod(1", u"sin(rtod(1))"}, {u"2+3)", u"(2+3)"}, {u"2))", u"((2))"},
        {u"(2)*(3)", u"(2)*(3)"}, {u"2)+(3", u"2)+(3"}, {u"", u""}, {u")(", u")("}, {u"((((", u"(((())))"}};
    for (const auto& [text, balanced] : cases) {
        EXPECT_EQ(controller().preCloseBrackets(text), balanced);
        EXPECT_EQ(controller().closeBracket(nullptr, text), balanced);
    }
    EXPECT_EQ(controller().closeBracket(nullptr, std::nullopt), std::nullopt);
}

}  // namespace
