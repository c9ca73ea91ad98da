// The keyboard's resolver for unknown names and the names an expression needs.
#include "platform/text/MXText.h"
#include "tests/support/keyboard_fixture.h"

namespace {

TEST_F(KeyboardTest, DeeplyNestedExpressionsAreWalkedWithoutRecursion) {
    MXExpressionPtr expression = MXExpression::variableExpressionWithVariable(u"v");
    for (int depth = 0; depth < 100000; ++depth)
        expression = MXExpression::functionExpressionWithFunction(u"sin", {expression});
    ASSERT_TRUE(expression);
    EXPECT_EQ(controller().variablesAndFunctionsInExpression(expression), std::vector<std::u16string>{u"v"});
}

// Unknown names with arguments fail in the keyboard's domain, without arguments they yield no number.
TEST_F(KeyboardTest, UnknownNamesFail) {
    MXError error;
    EXPECT_FALSE(controller().evaluator().evaluateString(u"foo(1;2)", nullptr, &error).has_value());
    EXPECT_EQ(error.domain(), KeyboardErrorDomain);
    EXPECT_EQ(error.code(), -1);
    EXPECT_EQ(error.localizedDescription(), u"");
    EXPECT_FALSE(controller().evaluator().evaluateString(u"foo", nullptr, &error).has_value());
    EXPECT_EQ(error.domain(), MXErrorDomain);
    EXPECT_EQ(error.code(), MXErrorCodeInvalidFunctionReturnType);
}

TEST(KeyboardWhitespace, IsRemovedEverywhere) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"\t1\n2\r3\f 4", u"1234"}, {u"1\u00A02\u20093\u30004", u"1234"}, {u"1\u20282\u20293", u"123"},
        {u"a\u200Bb", u"a\u200Bb"}};
    for (const auto& [text, cleaned] : cases) EXPECT_EQ(KeyboardViewController::removeAllWhitespace(text), cleaned);
}

}  // namespace
