// Parse errors (one text per message), the parser object, and nesting: too deep fails with
// error 1, deep but allowed and long flat texts parse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/expression/MXExpression.h"
#include "engine/parser/MXParser.h"
#include "platform/text/MXText.h"
#include "tests/support/operator_set_guard.h"
#include "tests/support/repeated_text.h"

namespace {

// The tree's description, or "error <code>: <message>".
std::string parsed(std::u16string_view text) {
    MXError error;
    const MXExpressionPtr expression = MXExpression::expressionFromString(text, &error);
    if (!expression) return "error " + std::to_string(error.code()) + ": " + MXToUtf8(error.localizedDescription());
    EXPECT_TRUE(error.isEmpty()) << MXToUtf8(text);
    return MXToUtf8(expression->description());
}

struct ParseCase {
    std::u16string_view text;
    const char* result;
};

void expectParses(const std::vector<ParseCase>& cases) {
    for (const auto& c : cases) EXPECT_EQ(parsed(c.text), c.result) << MXToUtf8(c.text);
}

class PercentModeParse : public testing::Test {
    DefaultOperatorSetGuard guard_{false};
};

// One text per error message.
TEST_F(PercentModeParse, Failures) {
    expectParses({
        {u"3!^2", "error 1: invalid format: (3pow(!,2))"},
        {u"()", "error 1: Unable to create expression from term: ()"}, {u"(1", "error 7: imbalanced parentheses"},
        {u"f(g(1", "error 7: missing parentheses after function \"f\""},
        {u")", "error 11: no left operand to unary )"}, {u"*", "error 13: missing operands for operator: *"},
        {u"2*", "error 10: no right operand to binary *"}, {u"*2", "error 9: no left operand to binary *"},
        {u"-", "error 12: no right operand to unary -"}, {u"1;2", "error 8: unknown arity for operator: ;"},
        {u"''", "error 4: variable names must be at least 1 character long"},
    });
}

TEST(ParserObject, ParsesAgainAndTakesAssociativityFromItsSet) {
    DefaultOperatorSetGuard guard(false);
    MXError error;
    const auto parser = MXParser::parserWithString(u"2^3^2", &error);
    ASSERT_TRUE(parser);
    const auto first = parser->parsedExpressionWithError(&error);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isEqual(*parser->parsedExpressionWithError(&error)));
    EXPECT_EQ(parser->associativityForOperatorFunction(u"nothing"), MXOperatorAssociativityLeft);
    EXPECT_EQ(MXParser::parserWithTokenizer(nullptr, &error), nullptr);
    EXPECT_EQ(MXParser::parserWithString(u"0x", &error), nullptr);
    EXPECT_EQ(error.code(), MXErrorCodeInvalidIdentifier);

    const auto set = MXMathOperatorSet::defaultOperatorSet()->copy();
    set->operatorForFunction(u"pow")->setAssociativity(MXOperatorAssociativityLeft);
    MXParser own(MXMathStringTokenizer::tokenizerWithString(u"2^3^2", set));
    EXPECT_EQ(MXToUtf8(own.parsedExpressionWithError()->description()), "pow(pow(2,3),2)");
}

TEST_F(PercentModeParse, TooDeepTextsFailWithErrorOne) {
    for (const std::u16string& text : {repeated(u"(", 100000) + u"1" + repeated(u")", 100000),
                                       repeated(u"-", 100000) + u"1", repeated(u"2^", 20000) + u"2"}) {
        EXPECT_EQ(parsed(text), "error 1: expression nested too deeply") << MXToUtf8(text.substr(0, 12));
    }
}

// Nesting up to the limits parses; chains of left-associative operators and argument lists
// nest no deeper however long they are.
TEST_F(PercentModeParse, DeepButAllowedAndLongFlatTextsParse) {
    EXPECT_EQ(parsed(repeated(u"-", 100000)), "error 12: no right operand to unary -");
    const std::pair<std::u16string, std::u16string> chains[] = {
        {repeated(u"(", 256) + u"1+2" + repeated(u")", 256), u"add(1,2)"},
        {repeated(u"-(", 256) + u"1" + repeated(u")", 256), repeated(u"negate(", 256) + u"1" + repeated(u")", 256)},
        {repeated(u"f(", 256) + u"1" + repeated(u")", 256), repeated(u"f(", 256) + u"1" + repeated(u")", 256)},
        {repeated(u"2^", 1000) + u"2", repeated(u"pow(2,", 1000) + u"2" + repeated(u")", 1000)},
    };
    for (const auto& [text, tree] : chains) EXPECT_EQ(parsed(text), MXToUtf8(tree)) << MXToUtf8(text.substr(0, 4));
    const auto wide = MXExpression::expressionFromString(u"f(" + repeated(u"1;", 20000) + u"1)");
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->arguments().size(), 20001u);
    const std::pair<std::u16string, std::string> flat[] = {
        {repeated(u"1 2 ", 10000), "multiply(multiply("}, {repeated(u"(1-2)/", 10000) + u"3", "divide(divide("}};
    for (const auto& [text, start] : flat) EXPECT_EQ(parsed(text).substr(0, start.size()), start);
}

}  // namespace
