// The keyboard's resolver for unknown names and the names an expression needs.
#include "platform/text/MXText.h"
#include "tests/keyboard/KeyboardTestFixture.h"

namespace {

struct NamesCase {
    std::u16string expression;
    std::vector<std::u16string> names;
};

class KeyboardNames : public KeyboardTest, public testing::WithParamInterface<NamesCase> {};

TEST_P(KeyboardNames, AreTheVariablesAndUnknownFunctionsInWrittenOrder) {
    const MXExpressionPtr expression = MXExpression::expressionFromString(GetParam().expression);
    ASSERT_TRUE(expression) << MXToUtf8(GetParam().expression);
    EXPECT_EQ(controller().variablesAndFunctionsInExpression(expression), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(Expressions, KeyboardNames,
                         testing::Values(NamesCase{u"1+2", {}}, NamesCase{u"$x", {u"x"}},
                                         NamesCase{u"$a*sin($b)+$a", {u"a", u"b", u"a"}},
                                         NamesCase{u"foo($x)+$y", {u"foo", u"y"}},
                                         NamesCase{u"max(bar(1);$z;avg($w;2))", {u"bar", u"z", u"w"}}));

TEST_F(KeyboardTest, DeeplyNestedExpressionsAreWalkedWithoutRecursion) {
    MXExpressionPtr expression = MXExpression::variableExpressionWithVariable(u"v");
    for (int depth = 0; depth < 100000; ++depth)
        expression = MXExpression::functionExpressionWithFunction(u"sin", {expression});
    ASSERT_TRUE(expression);
    EXPECT_EQ(controller().variablesAndFunctionsInExpression(expression), std::vector<std::u16string>{u"v"});
}

TEST_F(KeyboardTest, TheVariablesTableStaysEmpty) {
    const MXExpressionPtr expression = MXExpression::expressionFromString(u"$a+foo(2)");
    ASSERT_TRUE(expression);
    controller().updateVariablesWithExpression(expression);
    EXPECT_TRUE(controller().variables().empty());
    EXPECT_TRUE(controller().orderedVariables().empty());
}

TEST_F(KeyboardTest, UnknownNamesWithArgumentsFailInTheKeyboardsDomain) {
    MXError error;
    EXPECT_FALSE(controller().evaluator().evaluateString(u"foo(1;2)", nullptr, &error).has_value());
    EXPECT_EQ(error.domain(), KeyboardErrorDomain);
    EXPECT_EQ(error.code(), -1);
    EXPECT_EQ(error.localizedDescription(), u"");
    EXPECT_NE(KeyboardErrorDomain, MXErrorDomain);
}

TEST_F(KeyboardTest, UnknownNamesWithoutArgumentsYieldNoNumber) {
    MXError error;
    EXPECT_FALSE(controller().evaluator().evaluateString(u"foo", nullptr, &error).has_value());
    EXPECT_EQ(error.domain(), MXErrorDomain);
    EXPECT_EQ(error.code(), MXErrorCodeInvalidFunctionReturnType);
}

TEST_F(KeyboardTest, TheEvaluatorComputesInDoublePrecision) {
    EXPECT_FALSE(controller().evaluator().usesHighPrecisionEvaluation());
    EXPECT_EQ(controller().evaluator().angleMeasurementMode(), MXAngleMeasurementModeRadians);
}

struct WhitespaceCase {
    std::u16string text;
    std::u16string cleaned;
};

class KeyboardWhitespace : public testing::TestWithParam<WhitespaceCase> {};

TEST_P(KeyboardWhitespace, IsRemovedEverywhere) {
    EXPECT_EQ(KeyboardViewController::removeAllWhitespace(GetParam().text), GetParam().cleaned);
}

INSTANTIATE_TEST_SUITE_P(Texts, KeyboardWhitespace,
                         testing::Values(WhitespaceCase{u" 2 + 3 ", u"2+3"}, WhitespaceCase{u"\t1\n2\r3\f", u"123"},
                                         WhitespaceCase{u"1\u00A02\u20093\u30004", u"1234"},
                                         WhitespaceCase{u"1\u20282\u20293", u"123"},
                                         WhitespaceCase{u"a\u200Bb", u"a\u200Bb"}, WhitespaceCase{u"", u""}));

}  // namespace
