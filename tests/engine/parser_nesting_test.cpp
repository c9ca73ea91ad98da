// Deep nesting fails with error 1 instead of exhausting the stack; long flat texts parse in
// time proportional to their length.
#include <gtest/gtest.h>

#include <string>

#include "engine/expression/MXExpression.h"
#include "engine/parser/MXParser.h"
#include "platform/text/MXText.h"
#include "tests/engine/operators_default_set_guard.h"

namespace {

std::u16string repeated(std::u16string_view piece, size_t count) {
    std::u16string text;
    text.reserve(piece.size() * count);
    for (size_t index = 0; index < count; ++index) text += piece;
    return text;
}

MXError parseError(const std::u16string& text) {
    MXError error;
    EXPECT_EQ(MXExpression::expressionFromString(text, &error), nullptr);
    return error;
}

int treeDepth(const MXExpressionPtr& expression) {
    int depth = 0;
    for (MXExpressionPtr node = expression; node->expressionType() == MXExpressionTypeFunction;
         node = node->arguments().back()) {
        ++depth;
    }
    return depth;
}

class Nesting : public testing::Test {
    DefaultOperatorSetGuard guard_{false};
};

TEST_F(Nesting, TooDeepTextsFailWithErrorOne) {
    const std::u16string texts[] = {
        repeated(u"(", 100000),
        repeated(u"(", 100000) + u"1" + repeated(u")", 100000),
        repeated(u"-", 100000) + u"1",
        u"2^" + repeated(u"-", 20000) + u"3",
        repeated(u"sin(", 20000),
        repeated(u"f(1;", 20000) + u"1" + repeated(u")", 20000),
        repeated(u"1+", 20000) + u"1",
        u"5" + repeated(u"!", 20000),
        repeated(u"2^", 20000) + u"2",
        repeated(u"-(", 2000) + u"1" + repeated(u")", 2000),
    };
    for (const auto& text : texts) {
        const MXError error = parseError(text);
        EXPECT_EQ(error.code(), MXErrorCodeInvalidFormat) << MXToUtf8(text.substr(0, 12));
        EXPECT_EQ(error.localizedDescription(), MXNestedTooDeeplyMessage) << MXToUtf8(text.substr(0, 12));
    }
}

TEST_F(Nesting, LongSignRunWithoutOperandLacksItsOperand) {
    const MXError error = parseError(repeated(u"-", 100000));
    EXPECT_EQ(error.code(), MXErrorCodeUnaryOperatorMissingRightOperand);
}

TEST_F(Nesting, DeepButAllowedTextsParse) {
    const auto brackets = MXExpression::expressionFromString(repeated(u"(", 256) + u"1+2" + repeated(u")", 256));
    ASSERT_TRUE(brackets);
    EXPECT_EQ(brackets->description(), u"add(1,2)");

    const auto negations = MXExpression::expressionFromString(repeated(u"-(", 256) + u"1" + repeated(u")", 256));
    ASSERT_TRUE(negations);
    EXPECT_EQ(treeDepth(negations), 256);

    const auto calls = MXExpression::expressionFromString(repeated(u"f(", 256) + u"1" + repeated(u")", 256));
    ASSERT_TRUE(calls);
    EXPECT_EQ(treeDepth(calls), 256);

    const auto powers = MXExpression::expressionFromString(repeated(u"2^", 1000) + u"2");
    ASSERT_TRUE(powers);
    EXPECT_EQ(treeDepth(powers), 1000);
}

TEST_F(Nesting, LongFlatTextsParse) {
    const auto products = MXExpression::expressionFromString(repeated(u"2*3+", 500) + u"1");
    ASSERT_TRUE(products);
    EXPECT_EQ(products->function(), u"add");

    const auto wide = MXExpression::expressionFromString(u"f(" + repeated(u"1;", 20000) + u"1)");
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->arguments().size(), 20001u);

    const MXError error = parseError(repeated(u"1*2+", 10000) + u"1");
    EXPECT_EQ(error.localizedDescription(), MXNestedTooDeeplyMessage);
    const MXError mixed = parseError(repeated(u"1 2 ", 10000));
    EXPECT_EQ(mixed.localizedDescription(), MXNestedTooDeeplyMessage);
}

}  // namespace
