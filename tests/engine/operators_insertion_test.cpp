// Adding operators to a set, the checked initializer, and the operator's description and copy.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/operators/MXMathOperatorSet.h"
#include "platform/text/MXText.h"

namespace {

MXMathOperatorPtr binary(const char16_t* function, std::vector<std::u16string> tokens) {
    return std::make_shared<MXMathOperator>(function, std::move(tokens), MXOperatorArityBinary,
                                            MXOperatorAssociativityLeft);
}

int64_t level(const MXMathOperatorSet& set, const char16_t* function) {
    return set.operatorForFunction(function)->precedence();
}

std::string invalidArgumentText(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::invalid_argument& exception) {
        return exception.what();
    }
    return "no exception";
}

enum class Relation { Higher, Same, Lower };

struct InsertionCase {
    Relation relation;
    const char16_t* reference;
    std::vector<std::pair<const char16_t*, int64_t>> levels;  // "new" is the inserted operator
};

TEST(OperatorInsertion, RenumbersTheLevelsAboveTheNewOperator) {
    const std::vector<InsertionCase> cases = {
        {Relation::Higher, u"l_or", {{u"new", 2}, {u"l_or", 0}, {u"l_and", 2}, {u"l_eq", 3}, {u"l_neq", 3}, {u"comma", 22}}},
        {Relation::Lower, u"l_and", {{u"new", 1}, {u"l_and", 2}, {u"l_or", 0}, {u"l_eq", 3}, {u"comma", 22}}},
        {Relation::Same, u"add", {{u"new", 13}, {u"add", 13}, {u"multiply", 14}, {u"comma", 21}}},
        {Relation::Higher, u"comma", {{u"new", 23}, {u"comma", 21}, {u"pow", 19}}},
        {Relation::Lower, u"l_or", {{u"new", 0}, {u"l_or", 1}, {u"l_and", 2}, {u"comma", 22}}},
    };
    for (const auto& c : cases) {
        MXMathOperatorSet set;
        const auto reference = set.operatorForFunction(c.reference);
        const auto inserted = binary(u"new", {u"@"});
        if (c.relation == Relation::Higher) set.addOperatorWithPrecedenceHigherThan(inserted, reference);
        if (c.relation == Relation::Same) set.addOperatorWithPrecedenceSameAs(inserted, reference);
        if (c.relation == Relation::Lower) set.addOperatorWithPrecedenceLowerThan(inserted, reference);
        for (const auto& [function, expected] : c.levels) {
            EXPECT_EQ(level(set, function), expected) << MXToUtf8(c.reference) << " " << MXToUtf8(function);
        }
        EXPECT_EQ(set.operatorsForToken(u"@").front(), inserted);
    }
}

// Inserting an operator for a function the set has, or adding tokens, only merges the tokens.
TEST(OperatorInsertion, TokensMergeIntoTheFunctionsOperator) {
    MXMathOperatorSet set;
    const auto add = set.operatorForFunction(u"add");
    set.addOperatorWithPrecedenceHigherThan(binary(u"add", {u"PLUS"}), set.operatorForFunction(u"comma"));
    EXPECT_EQ(set.operatorForFunction(u"add"), add);
    EXPECT_EQ(add->precedence(), 13);
    EXPECT_EQ(level(set, u"comma"), 21);
    EXPECT_EQ(add->tokens(), (std::vector<std::u16string>{u"+", u"plus"}));
    EXPECT_EQ(set.operatorsForToken(u"Plus"), std::vector<MXMathOperatorPtr>{add});
    set.addTokens({u"TIMES", u"\u22C5", u"@"}, u"multiply");
    set.addTokens({u"@"}, u"add");
    const auto multiply = set.operatorForFunction(u"multiply");
    EXPECT_EQ(multiply->tokens(), (std::vector<std::u16string>{u"*", u"\u00D7", u"times", u"\u22C5", u"@"}));
    EXPECT_EQ(multiply->precedence(), 14);
    EXPECT_EQ(set.operatorsForToken(u"times").front(), multiply);
    EXPECT_TRUE(set.operatorCharacters()->contains(u'\u22C5'));
    EXPECT_EQ(set.maximumTokenLength(), 5u);
    ASSERT_EQ(set.operatorsForToken(u"@").size(), 2u);
    EXPECT_EQ(set.operatorsForToken(u"@")[1]->function(), u"add");
}

// Misuse throws with its message and changes nothing; the checked initializer lower-cases
// tokens, the plain one keeps them as given.
TEST(OperatorInsertion, MisuseThrowsWithTheMessage) {
    MXMathOperatorSet set;
    const std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {[&] { set.addTokens({u"@"}, u"nothing"); }, "No operator is defined for function 'nothing'"},
        {[&] { set.addOperatorWithPrecedenceHigherThan(binary(u"plus", {u"+"}), set.operatorForFunction(u"add")); },
         "An operator is already defined for '+'"},
        {[] { MXMathOperator(u"f", {u"@"}, MXOperatorArityUnknown, MXOperatorAssociativityLeft); },
         "Unable to create operator with unknown arity"},
        {[] { binary(u"f", {u"BAD "}); }, "Invalid operator token: bad "},
        {[] { binary(u"f", {u"X Y"}); }, "no exception"},
    };
    for (const auto& [action, message] : cases) EXPECT_EQ(invalidArgumentText(action), message);
    for (const std::u16string token : {u" x", u"1x", u"$x", u"\"x", u"", u"\u00A0x"}) {
        EXPECT_EQ(invalidArgumentText([&] { binary(u"f", {u"ok", token}); }),
                  "Invalid operator token: " + MXToUtf8(token));
    }
    EXPECT_EQ(set.operatorForFunction(u"plus"), nullptr);
    EXPECT_EQ(level(set, u"multiply"), 14);
    const MXMathOperator op(u"Fn", {u"ABC", u"\u0394"}, MXOperatorArityUnary, MXOperatorAssociativityRight);
    EXPECT_EQ(op.tokens(), (std::vector<std::u16string>{u"abc", u"\u03B4"}));
    EXPECT_EQ(op.function(), u"Fn");
    const MXMathOperator plain(u"g", {u"ABC", u" "}, MXOperatorArityUnknown, 5, MXOperatorAssociativityRight);
    EXPECT_EQ(plain.tokens(), (std::vector<std::u16string>{u"ABC", u" "}));
}

TEST(OperatorInsertion, NewSetsAndCopiesDoNotShareRecords) {
    MXMathOperatorSet source;
    MXMathOperatorSet fresh;
    source.setInterpretsPercentSignAsModulo(false);
    source.addTokens({u"plus"}, u"add");
    EXPECT_NE(source.operatorForFunction(u"add"), fresh.operatorForFunction(u"add"));
    EXPECT_EQ(level(fresh, u"factorial"), 18);
    const auto copy = source.copy();
    EXPECT_FALSE(copy->interpretsPercentSignAsModulo());
    EXPECT_EQ(level(*copy, u"percent"), 19);
    EXPECT_TRUE(copy->operatorsForToken(u"plus").empty()) << "a copy starts from the default list";
}

// The description after the record's address.
std::string described(const MXMathOperatorPtr& op) {
    const std::string text = MXToUtf8(op->description());
    EXPECT_TRUE(std::regex_match(text, std::regex(R"(<MXMathOperator: 0x[0-9a-f]+> \{.*\})"))) << text;
    return text.substr(text.find('{'));
}

// The copy is a new record with the same description; changing it leaves the original.
TEST(OperatorDescription, NamesTokensFunctionArityAssociativityAndPrecedence) {
    MXMathOperatorSet set;
    EXPECT_EQ(described(set.operatorForFunction(u"l_ltoe")),
              "{(<=, =<, \u2264, \u226F) => l_ltoe(), Arity: Binary, Assoc: Left, Precedence: 5}");
    EXPECT_EQ(described(set.operatorForFunction(u"comma")),
              "{(;) => comma(), Arity: Unknown, Assoc: Left, Precedence: 21}");
    const auto negate = set.operatorForFunction(u"negate");
    const auto copy = negate->copy();
    EXPECT_NE(copy, negate);
    EXPECT_EQ(described(copy), "{(-, \u2212) => negate(), Arity: Unary, Assoc: Right, Precedence: 17}");
    copy->setPrecedence(3);
    EXPECT_EQ(negate->precedence(), 17);
}

}  // namespace
