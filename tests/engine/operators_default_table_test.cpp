// The default operator table in modulo mode (a fresh set) and in the keyboard's percent mode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/operators/MXMathOperatorSet.h"
#include "platform/text/MXText.h"

namespace {

// "function:precedence" for every operator in the set's order.
std::string levels(const MXMathOperatorSet& set) {
    std::string text;
    for (const auto& op : set) text += MXToUtf8(op->function()) + ":" + std::to_string(op->precedence()) + " ";
    return text;
}

constexpr const char* kModuloLevels =
    "l_or:0 l_and:1 l_eq:2 l_neq:2 l_lt:3 l_gt:4 l_ltoe:5 l_gtoe:6 l_not:7 or:8 xor:9 and:10 lshift:11 rshift:12 "
    "add:13 subtract:13 multiply:14 divide:14 not:16 mod:16 negate:17 positive:17 factorial:18 dtor:18 pow:19 "
    "open_paren:20 close_paren:20 comma:21 ";

TEST(OperatorTable, LevelsInBothPercentModes) {
    MXMathOperatorSet set;
    EXPECT_TRUE(set.interpretsPercentSignAsModulo());
    EXPECT_EQ(levels(set), kModuloLevels);
    set.setInterpretsPercentSignAsModulo(true);
    EXPECT_EQ(levels(set), kModuloLevels) << "setting the current mode changes nothing";
    set.setInterpretsPercentSignAsModulo(false);
    EXPECT_EQ(levels(set),
              "l_or:0 l_and:1 l_eq:2 l_neq:2 l_lt:3 l_gt:4 l_ltoe:5 l_gtoe:6 l_not:7 or:8 xor:9 and:10 lshift:11 "
              "rshift:12 add:13 subtract:13 multiply:14 divide:14 not:16 negate:17 positive:17 factorial:19 "
              "dtor:19 percent:19 pow:20 open_paren:21 close_paren:21 comma:22 ");
    set.setInterpretsPercentSignAsModulo(true);
    EXPECT_EQ(levels(set),
              "l_or:0 l_and:1 l_eq:2 l_neq:2 l_lt:3 l_gt:4 l_ltoe:5 l_gtoe:6 l_not:7 or:8 xor:9 and:10 lshift:11 "
              "rshift:12 add:13 subtract:13 multiply:14 divide:14 mod:16 not:17 negate:18 positive:18 "
              "factorial:20 dtor:20 pow:21 open_paren:22 close_paren:22 comma:23 ")
        << "switching back raises the upper levels once more";
    EXPECT_EQ(set.operatorForFunction(MXOperatorInvalid), nullptr);
}

std::vector<std::u16string> meanings(const MXMathOperatorSet& set, std::u16string_view token) {
    std::vector<std::u16string> functions;
    for (const auto& op : set.operatorsForToken(token)) functions.push_back(op->function());
    return functions;
}

TEST(OperatorTokens, EachSpellingMapsToItsOperatorsInRegistrationOrder) {
    const std::vector<std::pair<const char16_t*, std::vector<std::u16string>>> cases = {
        {u"\u2212", {u"subtract", u"negate"}}, {u"+", {u"add", u"positive"}}, {u"!", {u"l_not", u"factorial"}},
        {u"=", {u"l_eq"}}, {u"\u226F", {u"l_ltoe"}}, {u"\u226E", {u"l_gtoe"}}, {u"**", {u"xor"}},
        {u"\u00B0", {u"dtor"}}, {u"\u00F7", {u"divide"}}, {u"\u2228", {u"l_or"}}, {u"%", {u"mod"}}, {u",", {}},
    };
    MXMathOperatorSet set;
    for (const auto& [token, functions] : cases) EXPECT_EQ(meanings(set, token), functions) << MXToUtf8(token);
    set.setInterpretsPercentSignAsModulo(false);
    EXPECT_EQ(meanings(set, u"%"), std::vector<std::u16string>{u"percent"});
}

// Tokens are looked up in any case, functions not.
TEST(OperatorTokens, CaseCharactersAndTheSharedDefaultSet) {
    MXMathOperatorSet set;
    set.addTokens({u"band"}, u"and");
    EXPECT_EQ(meanings(set, u"bAnD"), std::vector<std::u16string>{u"and"});
    EXPECT_EQ(set.operatorForFunction(u"AND"), nullptr);
    for (const auto& op : MXMathOperatorSet()) {
        for (const auto& token : op->tokens()) {
            for (char16_t unit : token) EXPECT_TRUE(set.operatorCharacters()->contains(unit)) << int(unit);
        }
    }
    for (char16_t unit : std::u16string(u"09.$'\" \u03C0,_")) EXPECT_FALSE(set.operatorCharacters()->contains(unit));
    EXPECT_EQ(MXMathOperatorSet().maximumTokenLength(), 2u);
    EXPECT_EQ(MXMathOperator::infoForOperatorFunction(u"add"),
              MXMathOperatorSet::defaultOperatorSet()->operatorForFunction(u"add"));
    EXPECT_EQ(MXMathOperator::infosForOperatorToken(u"+").size(), 2u);
    EXPECT_EQ(MXMathOperator::infoForOperatorFunction(u"nothing"), nullptr);
}

}  // namespace
