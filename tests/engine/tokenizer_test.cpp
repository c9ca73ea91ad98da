// Token lists in the keyboard's state (a resolved sign shows its function); failures; token properties.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/evaluator/MXMathEvaluator.h"
#include "engine/tokenizer/MXMathStringTokenizer.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"
#include "tests/support/operator_set_guard.h"
#include "tests/support/repeated_text.h"

namespace {

// Tokens joined by spaces (an ambiguous sign shows the function it was resolved to), or
// "error <code>: <message>".
std::string tokenLine(std::u16string_view text, MXError& error, std::shared_ptr<MXMathOperatorSet> set) {
    const auto tokenizer = MXMathStringTokenizer::tokenizerWithString(text, std::move(set), &error);
    if (!tokenizer) return "error " + std::to_string(error.code()) + ": " + MXToUtf8(error.localizedDescription());
    std::u16string line;
    for (const auto& token : tokenizer->allObjects()) {
        if (!line.empty()) line += u' ';
        line += token.wasAmbiguous() ? token.operatorFunction() : token.description();
    }
    return MXToUtf8(line);
}

struct TokenCase {
    std::u16string_view text;
    const char* tokens;
};

// Success clears an earlier error; text without tokens leaves it.
void expectTokens(const std::vector<TokenCase>& cases, const std::shared_ptr<MXMathOperatorSet>& set = nullptr) {
    for (const auto& c : cases) {
        MXError error = MXError::engineError(99, u"earlier");
        const std::string line = tokenLine(c.text, error, set);
        EXPECT_EQ(line, c.tokens) << MXToUtf8(c.text);
        if (!line.starts_with("error ")) {
            EXPECT_EQ(error.isEmpty(), !line.empty()) << MXToUtf8(c.text);
        }
    }
}

class PercentModeTokens : public testing::Test {
    DefaultOperatorSetGuard guard_{false};
};

// "!" after ";" starts a term, so it is logical not; any Unicode space separates tokens.
TEST_F(PercentModeTokens, NotAfterSeparatorAndUnicodeSpaces) {
    expectTokens({{u"f(1;!0)", "f ( 1 ; l_not 0 )"}, {u"\u00A01\u2003+\u30002", "1 add 2"}, {u"   \t\n", ""}});
}

// A set in which "@" is an operator character that forms no token, and "#" means both
// "add" and "multiply".
std::shared_ptr<MXMathOperatorSet> awkwardSet() {
    auto set = std::make_shared<MXMathOperatorSet>();
    set->addOperatorWithPrecedenceSameAs(
        std::make_shared<MXMathOperator>(u"at", std::vector<std::u16string>{u"@@"}, MXOperatorArityBinary,
                                         MXOperatorAssociativityLeft),
        set->operatorForFunction(u"add"));
    set->addTokens({u"#"}, u"add");
    set->addTokens({u"#"}, u"multiply");
    return set;
}

TEST(TokenizerErrors, TextsThatDoNotTokenizeAndAmbiguousTokens) {
    expectTokens({{u"1+0x", "error 3: unable to parse identifier"},
                  {u"0x 5", "error 3: unable to parse identifier"},
                  {u"1@2", "error 3: unable to parse identifier"},
                  {u"(#1)", "error 6: unknown precedence for token: #"},
                  {u"1#2@@3", "1 add 2 @@ 3"}},
                 awkwardSet());
}

// Brackets count as the parser nests them (an argument list one deeper, as the call is a
// term); the first one beyond the limit ends tokenizing however much text follows.
TEST(TokenizerErrors, BracketsBeyondTheNestingLimitStopTokenizing) {
    const auto brackets = [](std::u16string_view open, size_t count) {
        return repeated(open, count) + u"1" + repeated(u")", count);
    };
    const std::pair<std::u16string, bool> cases[] = {
        {brackets(u"(", 1023), true},  {brackets(u"(", 1024), false},       {brackets(u"f(", 511), true},
        {brackets(u"f(", 512), false}, {brackets(u"(", 1'000'000), false}, {brackets(u"(1)", 100'000), true},
    };
    for (const auto& [text, accepted] : cases) {
        SCOPED_TRACE(MXToUtf8(text.substr(0, 4)) + " x" + std::to_string(text.size()));
        MXError error;
        EXPECT_EQ(MXMathStringTokenizer::tokenizerWithString(text, &error) != nullptr, accepted);
        EXPECT_EQ(MXExpression::expressionFromString(text) != nullptr, accepted) << "parse agrees";
        EXPECT_EQ(error.localizedDescription(), accepted ? u"" : u"expression nested too deeply");
    }
}

// Numerals the 38-digit decimal cannot hold are read as doubles, never as 0; text that is
// no numeral at all is logged and reads as 0.
TEST(TokenizerErrors, NumeralsBeyondTheDecimalRangeKeepTheirValue) {
    const std::tuple<const char16_t*, double, bool> cases[] = {
        {u"2e300*2", 4e300, false}, {u"1e-200", 1e-200, false}, {u"1e999", INFINITY, false},
        {u"0e999", 0, false},       {u"1e100", 1e100, false},   {u".e5", 0, true}};
    MXMathEvaluator evaluator;
    for (const auto& [text, expected, logged] : cases) {
        MXLogCapture log;
        const auto value = evaluator.evaluateString(text, nullptr, nullptr);
        ASSERT_TRUE(value.has_value()) << MXToUtf8(text);
        EXPECT_DOUBLE_EQ(value->doubleValue(), expected) << MXToUtf8(text);
        EXPECT_EQ(log.contains("supposedly invalid number: " + MXToUtf8(text)), logged) << MXToUtf8(text);
    }
}

// An ambiguous sign has no operator properties until it is resolved to a known function.
TEST(TokenProperties, DebugDescriptionsShowTheResolvedOperator) {
    DefaultOperatorSetGuard guard(false);
    auto minus = MXMathStringToken::mathStringTokenWithToken(u"-", MXTokenTypeOperator);
    ASSERT_TRUE(minus);
    EXPECT_EQ(MXToUtf8(minus->debugDescription()), "- (arity:UNK, precedence:-1, associativity:LEFT, function:)");
    minus->resolveToOperatorFunction(MXOperatorInvalid);
    EXPECT_TRUE(minus->isAmbiguous());
    minus->resolveToOperatorFunction(MXOperatorUnaryMinus);
    EXPECT_EQ(MXToUtf8(minus->debugDescription()),
              "- (arity:UN, precedence:17, associativity:RIGHT, function:negate)");
    EXPECT_FALSE(MXMathStringToken::mathStringTokenWithToken(u"@", MXTokenTypeOperator));
    EXPECT_EQ(MXMathStringToken::mathStringTokenWithToken(u"x", MXTokenTypeVariable)->debugDescription(), u"$x");
}

}  // namespace
