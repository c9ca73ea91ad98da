// Node kinds, factories, properties, identity and parent links.
#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/expression/MXExpressionNodes.h"
#include "tests/support/expression_builders.h"

using namespace expression_test;

namespace {

MXExpressionPtr nullNumber() { return MXExpression::numberExpressionWithNumber(std::nullopt); }

struct EqualityCase {
    MXExpressionPtr left;
    MXExpressionPtr right;
    bool equal;
};

TEST(ExpressionEquality, ComparesKindValueAndArguments) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const EqualityCase cases[] = {
        {var(u"$x"), var(u"x"), true}, {var(u"x"), var(u"X"), false}, {num(1), var(u"x"), false},
        {fn(u"f", {var(u"x"), fn(u"G", {dec(u"2")})}), fn(u"F", {var(u"x"), fn(u"g", {num(2)})}), true},
        {fn(u"f", {num(1), fn(u"g", {num(2)})}), fn(u"f", {num(1), fn(u"g", {num(3)})}), false},
        {fn(u"add", {num(1), num(2)}), fn(u"multiply", {num(1), num(2)}), false},
        {fn(u"add", {num(1)}), fn(u"add", {num(1), num(2)}), false},
        {num(nan), num(nan), true}, {nullNumber(), nullNumber(), true}, {nullNumber(), num(0), false},
    };
    for (const auto& c : cases) {
        const std::string name = utf8(c.left->description()) + " and " + utf8(c.right->description());
        EXPECT_EQ(c.left->isEqual(*c.right), c.equal) << name;
        EXPECT_EQ(c.right->isEqual(*c.left), c.equal) << name << " (reversed)";
        if (c.equal) {
            EXPECT_EQ(c.left->hash(), c.right->hash()) << name;
        }
    }
}

TEST(ExpressionFactories, FunctionKeepsGivenSpellingLowerCasesNameAndRefusesNullArguments) {
    const MXExpressionPtr node = fn(u"ArcSin\u0394", {num(1)});
    EXPECT_EQ(node->function(), u"arcsin\u03b4");
    EXPECT_EQ(dynamic_cast<const mxcalc::detail::MXFunctionExpression&>(*node).givenFunction(), u"ArcSin\u0394");
    MXError error;
    EXPECT_EQ(MXExpression::functionExpressionWithFunction(u"add", {num(1), nullptr}, &error), nullptr);
    EXPECT_EQ(error.domain(), MXErrorDomain);
    EXPECT_EQ(error.code(), MXErrorCodeInvalidArgument);
    EXPECT_EQ(utf8(error.localizedDescription()), "function arguments must be MXExpression objects");
}

// The message of what `call` throws (std::invalid_argument is a std::logic_error).
template <typename Call>
std::string thrownMessage(Call call) {
    try {
        call();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "nothing thrown";
}

TEST(ExpressionProperties, WrongKindThrows) {
    const MXExpressionPtr number = num(1), variable = var(u"x");
    EXPECT_EQ(thrownMessage([&] { variable->number(); }), "This is not a numeric expression");
    EXPECT_EQ(thrownMessage([&] { number->function(); }), "This is not a function expression");
    EXPECT_EQ(thrownMessage([&] { variable->arguments(); }), "This is not a function expression");
    EXPECT_EQ(thrownMessage([&] { number->variable(); }), "This is not a variable expression");
}

}  // namespace
