// The default operator table in modulo mode (a fresh set) and in the keyboard's percent mode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/operators/MXMathOperatorSet.h"
#include "platform/text/MXText.h"

namespace {

constexpr int64_t Absent = -1;

struct TableRow {
    const std::u16string* constant;
    const char16_t* function;
    std::vector<std::u16string> tokens;
    MXOperatorArity arity;
    MXOperatorAssociativity associativity;
    int64_t setPrecedence;
    int64_t keyboardPrecedence;
};

constexpr auto Unary = MXOperatorArityUnary;
constexpr auto Binary = MXOperatorArityBinary;
constexpr auto Left = MXOperatorAssociativityLeft;
constexpr auto Right = MXOperatorAssociativityRight;

const std::vector<TableRow> defaultTable = {
    {&MXOperatorLogicalOr, u"l_or", {u"||", u"\u2228"}, Binary, Left, 0, 0},
    {&MXOperatorLogicalAnd, u"l_and", {u"&&", u"\u2227"}, Binary, Left, 1, 1},
    {&MXOperatorLogicalEqual, u"l_eq", {u"==", u"="}, Binary, Left, 2, 2},
    {&MXOperatorLogicalNotEqual, u"l_neq", {u"!="}, Binary, Left, 2, 2},
    {&MXOperatorLogicalLessThan, u"l_lt", {u"<"}, Binary, Left, 3, 3},
    {&MXOperatorLogicalGreaterThan, u"l_gt", {u">"}, Binary, Left, 4, 4},
    {&MXOperatorLogicalLessThanOrEqual, u"l_ltoe", {u"<=", u"=<", u"\u2264", u"\u226F"}, Binary, Left, 5, 5},
    {&MXOperatorLogicalGreaterThanOrEqual, u"l_gtoe", {u">=", u"=>", u"\u2265", u"\u226E"}, Binary, Left, 6, 6},
    {&MXOperatorLogicalNot, u"l_not", {u"!", u"\u00AC"}, Unary, Right, 7, 7},
    {&MXOperatorBitwiseOr, u"or", {u"|"}, Binary, Left, 8, 8},
    {&MXOperatorBitwiseXor, u"xor", {u"**"}, Binary, Left, 9, 9},
    {&MXOperatorBitwiseAnd, u"and", {u"&"}, Binary, Left, 10, 10},
    {&MXOperatorLeftShift, u"lshift", {u"<<"}, Binary, Left, 11, 11},
    {&MXOperatorRightShift, u"rshift", {u">>"}, Binary, Left, 12, 12},
    {&MXOperatorAdd, u"add", {u"+"}, Binary, Left, 13, 13},
    {&MXOperatorMinus, u"subtract", {u"-", u"\u2212"}, Binary, Left, 13, 13},
    {&MXOperatorMultiply, u"multiply", {u"*", u"\u00D7"}, Binary, Left, 14, 14},
    {&MXOperatorDivide, u"divide", {u"/", u"\u00F7"}, Binary, Left, 14, 14},
    {&MXOperatorBitwiseNot, u"not", {u"~"}, Unary, Right, 16, 16},
    {&MXOperatorUnaryMinus, u"negate", {u"-", u"\u2212"}, Unary, Right, 17, 17},
    {&MXOperatorUnaryPlus, u"positive", {u"+"}, Unary, Right, 17, 17},
    {&MXOperatorFactorial, u"factorial", {u"!"}, Unary, Left, 18, 19},
    {&MXOperatorDegree, u"dtor", {u"\u00BA", u"\u00B0"}, Unary, Left, 18, 19},
    {&MXOperatorPower, u"pow", {u"^"}, Binary, Right, 19, 20},
    {&MXOperatorParenthesisOpen, u"open_paren", {u"("}, Unary, Right, 20, 21},
    {&MXOperatorParenthesisClose, u"close_paren", {u")"}, Unary, Left, 20, 21},
    {&MXOperatorComma, u"comma", {u";"}, MXOperatorArityUnknown, Left, 21, 22},
    {&MXOperatorModulo, u"mod", {u"%"}, Binary, Left, 16, Absent},
    {&MXOperatorPercent, u"percent", {u"%"}, Unary, Left, Absent, 19},
};

void expectColumn(const MXMathOperatorSet& set, bool keyboard) {
    size_t present = 0;
    for (const auto& row : defaultTable) {
        const int64_t expected = keyboard ? row.keyboardPrecedence : row.setPrecedence;
        const auto op = set.operatorForFunction(row.function);
        SCOPED_TRACE(MXToUtf8(row.function));
        EXPECT_EQ(*row.constant, row.function);
        if (expected == Absent) {
            EXPECT_EQ(op, nullptr);
            continue;
        }
        ++present;
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->tokens(), row.tokens);
        EXPECT_EQ(op->arity(), row.arity);
        EXPECT_EQ(op->associativity(), row.associativity);
        EXPECT_EQ(op->precedence(), expected);
    }
    EXPECT_EQ(set.operators().size(), present);
    EXPECT_EQ(set.operatorForFunction(MXOperatorInvalid), nullptr);
}

std::vector<std::pair<std::u16string, int64_t>> levels(const MXMathOperatorSet& set) {
    std::vector<std::pair<std::u16string, int64_t>> result;
    for (const auto& op : set) result.emplace_back(op->function(), op->precedence());
    return result;
}

TEST(OperatorTable, BothColumnsAndTheirOrder) {
    MXMathOperatorSet set;
    EXPECT_TRUE(set.interpretsPercentSignAsModulo());
    expectColumn(set, false);
    set.setInterpretsPercentSignAsModulo(false);
    EXPECT_FALSE(set.interpretsPercentSignAsModulo());
    expectColumn(set, true);
    const auto operators = set.operators();
    const auto enumerated = levels(set);
    ASSERT_EQ(enumerated.size(), operators.size());
    for (size_t index = 0; index < operators.size(); ++index) {
        EXPECT_EQ(enumerated[index].first, operators[index]->function()) << index;
        EXPECT_LE(operators[index == 0 ? 0 : index - 1]->precedence(), operators[index]->precedence()) << index;
    }
}

TEST(OperatorTable, SwitchingBackToModuloRaisesTheUpperLevelsOnceMore) {
    MXMathOperatorSet set;
    set.setInterpretsPercentSignAsModulo(false);
    set.setInterpretsPercentSignAsModulo(true);
    const std::vector<std::pair<const char16_t*, int64_t>> expected = {
        {u"multiply", 14}, {u"mod", 16}, {u"not", 17}, {u"negate", 18}, {u"dtor", 20}, {u"pow", 21}, {u"comma", 23}};
    for (const auto& [function, precedence] : expected) {
        EXPECT_EQ(set.operatorForFunction(function)->precedence(), precedence) << MXToUtf8(function);
    }
    EXPECT_EQ(set.operatorForFunction(u"percent"), nullptr);
}

TEST(OperatorTable, SettingTheCurrentPercentModeChangesNothing) {
    for (bool modulo : {true, false}) {
        MXMathOperatorSet set;
        set.setInterpretsPercentSignAsModulo(modulo);
        const auto before = levels(set);
        set.setInterpretsPercentSignAsModulo(modulo);
        EXPECT_EQ(levels(set), before) << modulo;
    }
}

std::vector<std::u16string> meanings(const MXMathOperatorSet& set, std::u16string_view token) {
    std::vector<std::u16string> functions;
    for (const auto& op : set.operatorsForToken(token)) functions.push_back(op->function());
    return functions;
}

TEST(OperatorTokens, EachSpellingMapsToItsOperatorsInRegistrationOrder) {
    const std::vector<std::pair<const char16_t*, std::vector<std::u16string>>> cases = {
        {u"-", {u"subtract", u"negate"}}, {u"+", {u"add", u"positive"}}, {u"!", {u"l_not", u"factorial"}},
        {u"=", {u"l_eq"}}, {u"\u226F", {u"l_ltoe"}}, {u"**", {u"xor"}}, {u";", {u"comma"}},
        {u"\u00B0", {u"dtor"}}, {u",", {}}, {u"unknown", {}},
    };
    MXMathOperatorSet set;
    for (const auto& [token, functions] : cases) EXPECT_EQ(meanings(set, token), functions) << MXToUtf8(token);
}

// The percent sign has one meaning per mode; tokens are looked up in any case, functions not.
TEST(OperatorTokens, PercentSignAndCase) {
    MXMathOperatorSet set;
    EXPECT_EQ(meanings(set, u"%"), std::vector<std::u16string>{u"mod"});
    set.setInterpretsPercentSignAsModulo(false);
    EXPECT_EQ(meanings(set, u"%"), std::vector<std::u16string>{u"percent"});
    set.addOperatorWithPrecedenceSameAs(
        std::make_shared<MXMathOperator>(u"bitand", std::vector<std::u16string>{u"band"}, MXOperatorArityBinary,
                                         MXOperatorAssociativityLeft),
        set.operatorForFunction(u"and"));
    EXPECT_EQ(meanings(set, u"bAnD"), std::vector<std::u16string>{u"bitand"});
    EXPECT_EQ(set.operatorForFunction(u"BITAND"), nullptr);
}

TEST(OperatorTokens, OperatorCharactersCoverEveryTokenUnit) {
    MXMathOperatorSet set;
    for (const auto& op : set) {
        for (const auto& token : op->tokens()) {
            for (char16_t unit : token) EXPECT_TRUE(set.operatorCharacters()->contains(unit)) << int(unit);
        }
    }
    for (char16_t unit : std::u16string(u"aZ09.$'\" \u03C0,_")) {
        EXPECT_FALSE(set.operatorCharacters()->contains(unit)) << int(unit);
    }
    EXPECT_EQ(set.maximumTokenLength(), 2u);
}

TEST(OperatorTokens, DefaultSetIsOneSharedObject) {
    EXPECT_EQ(MXMathOperator::infoForOperatorFunction(u"add"),
              MXMathOperatorSet::defaultOperatorSet()->operatorForFunction(u"add"));
    ASSERT_EQ(MXMathOperator::infosForOperatorToken(u"+").size(), 2u);
    EXPECT_EQ(MXMathOperator::infoForOperatorFunction(u"nothing"), nullptr);
}

}  // namespace
