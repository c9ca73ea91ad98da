// Tokenizer failures, enumeration and the token's own properties.
#include <gtest/gtest.h>

#include <string>

#include "engine/tokenizer/MXMathStringTokenizer.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"
#include "tests/engine/operators_default_set_guard.h"

namespace {

struct ErrorCase {
    std::u16string_view text;
    int64_t code;
    const char* message;
};

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

TEST(TokenizerErrors, TextsThatDoNotTokenize) {
    const std::vector<ErrorCase> cases = {
        {u"0x", 3, "unable to parse identifier"},
        {u"1+0x", 3, "unable to parse identifier"},
        {u"0x 5", 3, "unable to parse identifier"},
        {u"1@2", 3, "unable to parse identifier"},
        {u"#1", 6, "unknown precedence for token: #"},
        {u"(#1)", 6, "unknown precedence for token: #"},
    };
    const auto set = awkwardSet();
    for (const auto& c : cases) {
        MXError error = MXError::engineError(99, u"earlier");
        EXPECT_EQ(MXMathStringTokenizer::tokenizerWithString(c.text, set, &error), nullptr) << MXToUtf8(c.text);
        EXPECT_EQ(error.domain(), MXErrorDomain);
        EXPECT_EQ(error.code(), c.code) << MXToUtf8(c.text);
        EXPECT_EQ(MXToUtf8(error.localizedDescription()), c.message) << MXToUtf8(c.text);
        EXPECT_EQ(MXMathStringTokenizer::tokenizerWithString(c.text, set), nullptr) << MXToUtf8(c.text);
    }
}

TEST(TokenizerErrors, AmbiguousTokenResolvesWhereACandidateFits) {
    const auto tokenizer = MXMathStringTokenizer::tokenizerWithString(u"1#2@@3", awkwardSet());
    ASSERT_TRUE(tokenizer);
    const auto tokens = tokenizer->allObjects();
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[1].operatorFunction(), u"add");
    EXPECT_TRUE(tokens[1].wasAmbiguous());
    EXPECT_EQ(tokens[3].operatorFunction(), u"at");
}

TEST(TokenizerErrors, SuccessClearsTheSlotAndEmptyTextLeavesIt) {
    MXError error = MXError::engineError(99, u"earlier");
    EXPECT_TRUE(MXMathStringTokenizer::tokenizerWithString(u"1", &error));
    EXPECT_TRUE(error.isEmpty());
    error = MXError::engineError(99, u"earlier");
    EXPECT_TRUE(MXMathStringTokenizer::tokenizerWithString(u"  ", &error));
    EXPECT_EQ(error.code(), 99);
}

TEST(TokenizerErrors, RejectedNumberTextIsLoggedAndReadsAsZero) {
    MXLogCapture log;
    const auto tokenizer = MXMathStringTokenizer::tokenizerWithString(u".e5");
    ASSERT_TRUE(tokenizer);
    ASSERT_EQ(tokenizer->allObjects().size(), 1u);
    const auto& token = tokenizer->allObjects()[0];
    EXPECT_EQ(token.token(), u".e5");
    ASSERT_TRUE(token.numberValue().has_value());
    EXPECT_TRUE(token.numberValue()->isEqualToNumber(MXNumber(0.0)));
    EXPECT_TRUE(log.contains("supposedly invalid number: .e5"));
}

TEST(TokenizerEnumeration, NextPeekAllAndReset) {
    const auto tokenizer = MXMathStringTokenizer::tokenizerWithString(u"1+2");
    ASSERT_TRUE(tokenizer);
    EXPECT_EQ(tokenizer->peekNextObject()->token(), u"1");
    EXPECT_EQ(tokenizer->nextObject()->token(), u"1");
    EXPECT_EQ(tokenizer->allObjects().size(), 2u);
    EXPECT_EQ(tokenizer->allObjects().size(), 2u);
    EXPECT_EQ(tokenizer->nextObject()->token(), u"+");
    EXPECT_EQ(tokenizer->nextObject()->token(), u"2");
    EXPECT_EQ(tokenizer->nextObject(), nullptr);
    EXPECT_EQ(tokenizer->peekNextObject(), nullptr);
    EXPECT_TRUE(tokenizer->allObjects().empty());
    tokenizer->reset();
    EXPECT_EQ(tokenizer->nextObject()->token(), u"1");
    EXPECT_EQ(tokenizer->operatorSet(), MXMathOperatorSet::defaultOperatorSet());
    EXPECT_TRUE(tokenizer->operatorCharacters().contains(u'^'));
}

TEST(TokenProperties, DerivedOperatorPropertiesAndDescriptions) {
    DefaultOperatorSetGuard guard(false);
    auto minus = MXMathStringToken::mathStringTokenWithToken(u"-", MXTokenTypeOperator);
    ASSERT_TRUE(minus);
    EXPECT_TRUE(minus->isAmbiguous());
    EXPECT_EQ(minus->operatorType(), MXOperatorInvalid);
    EXPECT_EQ(minus->operatorFunction(), u"");
    EXPECT_EQ(minus->operatorPrecedence(), -1);
    EXPECT_EQ(minus->operatorArity(), MXOperatorArityUnknown);
    EXPECT_EQ(MXToUtf8(minus->debugDescription()), "- (arity:UNK, precedence:-1, associativity:LEFT, function:)");
    minus->resolveToOperatorFunction(MXOperatorInvalid);
    EXPECT_TRUE(minus->isAmbiguous());
    minus->resolveToOperatorFunction(MXOperatorUnaryMinus);
    EXPECT_FALSE(minus->isAmbiguous());
    EXPECT_EQ(MXToUtf8(minus->debugDescription()),
              "- (arity:UN, precedence:17, associativity:RIGHT, function:negate)");

    const auto times = MXMathStringToken::mathStringTokenWithToken(u"\u00D7", MXTokenTypeOperator);
    ASSERT_TRUE(times);
    EXPECT_EQ(times->operatorType(), u"multiply");
    EXPECT_EQ(MXToUtf8(times->debugDescription()),
              "\u00D7 (arity:BIN, precedence:14, associativity:LEFT, function:multiply)");
    EXPECT_FALSE(MXMathStringToken::mathStringTokenWithToken(u"@", MXTokenTypeOperator));

    const auto variable = MXMathStringToken::mathStringTokenWithToken(u"x", MXTokenTypeVariable);
    EXPECT_EQ(variable->description(), u"$x");
    EXPECT_EQ(variable->debugDescription(), u"$x");
    EXPECT_EQ(variable->operatorType(), u"");
    EXPECT_EQ(variable->operatorPrecedence(), 0);
    const auto function = MXMathStringToken::mathStringTokenWithToken(u"Sin", MXTokenTypeFunction);
    EXPECT_EQ(function->description(), u"Sin");
}

}  // namespace
