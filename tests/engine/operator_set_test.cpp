// Token lookup and copies of the operator set, inserting operators, the checked initializer,
// and the operator's description and copy.
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
    const auto op = set.operatorForFunction(function);
    return op ? op->precedence() : -1;
}

std::vector<std::u16string> meanings(const MXMathOperatorSet& set, std::u16string_view token) {
    std::vector<std::u16string> functions;
    for (const auto& op : set.operatorsForToken(token)) functions.push_back(op->function());
    return functions;
}

// Tokens are looked up in any case and may have several meanings, functions are not; a copy
// starts from the default list in the same mode.
TEST(OperatorTable, TokensFunctionsAndCopies) {
    MXMathOperatorSet set;
    EXPECT_EQ(meanings(set, u"\u2212"), (std::vector<std::u16string>{u"subtract", u"negate"}));
    set.addTokens({u"band"}, u"and");
    EXPECT_EQ(meanings(set, u"bAnD"), std::vector<std::u16string>{u"and"});
    EXPECT_EQ(set.operatorForFunction(u"AND"), nullptr);
    EXPECT_EQ(MXMathOperator::infoForOperatorFunction(u"add"),
              MXMathOperatorSet::defaultOperatorSet()->operatorForFunction(u"add"));
    EXPECT_EQ(MXMathOperator::infosForOperatorToken(u"+").size(), 2u);
    set.setInterpretsPercentSignAsModulo(false);
    const auto copy = set.copy();
    EXPECT_NE(copy->operatorForFunction(u"add"), set.operatorForFunction(u"add"));
    EXPECT_EQ(meanings(*copy, u"%"), std::vector<std::u16string>{u"percent"});
    EXPECT_TRUE(meanings(*copy, u"band").empty());
}

std::string invalidArgumentText(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::invalid_argument& exception) {
        return exception.what();
    }
    return "no exception";
}

using Insertion = void (MXMathOperatorSet::*)(const MXMathOperatorPtr&, const MXMathOperatorPtr&);

struct InsertionCase {
    Insertion insert;
    const char16_t* reference;
    std::vector<std::pair<const char16_t*, int64_t>> levels;  // "new" is the inserted operator
};

TEST(OperatorInsertion, RenumbersTheLevelsAboveTheNewOperator) {
    const std::vector<InsertionCase> cases = {
        {&MXMathOperatorSet::addOperatorWithPrecedenceHigherThan, u"l_or",
         {{u"new", 2}, {u"l_or", 0}, {u"l_and", 2}, {u"l_eq", 3}, {u"l_neq", 3}, {u"comma", 22}}},
        {&MXMathOperatorSet::addOperatorWithPrecedenceSameAs, u"add", {{u"new", 13}, {u"add", 13}, {u"comma", 21}}},
        {&MXMathOperatorSet::addOperatorWithPrecedenceLowerThan, u"l_or", {{u"new", 0}, {u"l_or", 1}, {u"comma", 22}}},
    };
    for (const auto& c : cases) {
        MXMathOperatorSet set;
        const auto inserted = binary(u"new", {u"@"});
        (set.*c.insert)(inserted, set.operatorForFunction(c.reference));
        for (const auto& [function, expected] : c.levels) {
            EXPECT_EQ(level(set, function), expected) << MXToUtf8(c.reference) << " " << MXToUtf8(function);
        }
        EXPECT_EQ(set.operatorsForToken(u"@").front(), inserted);
    }
}

// Misuse throws with its message and changes nothing; the checked initializer lower-cases
// tokens.
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
}

// The description after the record's address; the copy is a new record.
TEST(OperatorDescription, NamesTokensFunctionArityAssociativityAndPrecedence) {
    const auto negate = MXMathOperatorSet().operatorForFunction(u"negate");
    const auto copy = negate->copy();
    EXPECT_NE(copy, negate);
    copy->setPrecedence(3);
    EXPECT_EQ(negate->precedence(), 17);
    const std::string text = MXToUtf8(copy->description());
    EXPECT_TRUE(std::regex_match(text, std::regex(R"(<MXMathOperator: 0x[0-9a-f]+> \{.*\})"))) << text;
    EXPECT_EQ(text.substr(text.find('{')), "{(-, \u2212) => negate(), Arity: Unary, Assoc: Right, Precedence: 3}");
}

}  // namespace
