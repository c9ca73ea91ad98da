// Node kinds, factories, properties, identity and parent links.
#include <gtest/gtest.h>

#include <stdexcept>
#include <typeinfo>

#include "engine/expression/MXExpressionNodes.h"
#include "tests/engine/expression_builders.h"

using namespace expression_test;

namespace {

MXExpressionPtr nullNumber() { return MXExpression::numberExpressionWithNumber(std::nullopt); }

struct DescriptionCase {
    const char* name;
    MXExpressionPtr tree;
    std::u16string expected;
};

TEST(ExpressionDescription, PrintsEveryKind) {
    const DescriptionCase cases[] = {
        {"integral double", num(5), u"5"},
        {"fraction", num(0.1), u"0.1"},
        {"decimal", dec(u"2.50"), u"2.5"},
        {"int64", MXExpression::numberExpressionWithNumber(MXNumber::numberWithLongLong(-7)), u"-7"},
        {"no number", nullNumber(), u"(null)"},
        {"variable", var(u"x"), u"$x"},
        {"variable given with $", var(u"$x"), u"$x"},
        {"nested calls", fn(u"add", {num(2), fn(u"multiply", {num(3), num(4)})}), u"add(2,multiply(3,4))"},
        {"upper-case name", fn(u"SIN", {num(1)}), u"sin(1)"},
        {"no arguments", fn(u"pi"), u"pi()"},
        {"variables inside", fn(u"Add", {var(u"a"), fn(u"negate", {var(u"$b")})}), u"add($a,negate($b))"},
    };
    for (const auto& c : cases) EXPECT_EQ(utf8(c.tree->description()), utf8(c.expected)) << c.name;
}

struct EqualityCase {
    const char* name;
    MXExpressionPtr left;
    MXExpressionPtr right;
    bool equal;
};

TEST(ExpressionEquality, ComparesKindValueAndArguments) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const EqualityCase cases[] = {
        {"$x and x", var(u"$x"), var(u"x"), true},
        {"variable names are case-sensitive", var(u"x"), var(u"X"), false},
        {"function names ignore case", fn(u"SIN", {num(1)}), fn(u"sin", {num(1)}), true},
        {"decimal 2 and double 2", dec(u"2"), num(2), true},
        {"decimal 2 and double 2.5", dec(u"2"), num(2.5), false},
        {"argument order counts", fn(u"add", {num(1), num(2)}), fn(u"add", {num(2), num(1)}), false},
        {"different functions", fn(u"add", {num(1), num(2)}), fn(u"multiply", {num(1), num(2)}), false},
        {"different kinds", fn(u"add", {num(1), num(2)}), num(3), false},
        {"number and variable", num(1), var(u"x"), false},
        {"argument count", fn(u"add", {num(1)}), fn(u"add", {num(1), num(1)}), false},
        {"deep difference", fn(u"f", {num(1), fn(u"g", {num(2)})}), fn(u"f", {num(1), fn(u"g", {num(3)})}), false},
        {"deep equality", fn(u"f", {var(u"x"), fn(u"G", {dec(u"2")})}), fn(u"F", {var(u"x"), fn(u"g", {num(2)})}),
         true},
        {"not-a-number equals itself", num(nan), num(nan), true},
        {"two nodes without number", nullNumber(), nullNumber(), true},
        {"no number and zero", nullNumber(), num(0), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.left->isEqual(*c.right), c.equal) << c.name;
        EXPECT_EQ(c.right->isEqual(*c.left), c.equal) << c.name << " (reversed)";
        if (c.equal) {
            EXPECT_EQ(c.left->hash(), c.right->hash()) << c.name;
        }
    }
}

TEST(ExpressionHash, FunctionHashIgnoresArgumentsButNotName) {
    EXPECT_EQ(fn(u"add", {num(1)})->hash(), fn(u"ADD", {num(2), var(u"y")})->hash());
    EXPECT_NE(fn(u"add")->hash(), fn(u"subtract")->hash());
    EXPECT_NE(var(u"x")->hash(), var(u"y")->hash());
    EXPECT_NE(num(1)->hash(), num(2)->hash());
}

TEST(ExpressionFactories, VariableDropsOneLeadingDollar) {
    const struct {
        std::u16string given;
        bool exists;
        std::u16string stored;
    } cases[] = {
        {u"x", true, u"x"},       {u"$x", true, u"x"}, {u"$$x", true, u"$x"},
        {u"x$", true, u"x$"},     {u"$", false, u""},  {u"", false, u""},
        {u"\u00e9t\u00e9", true, u"\u00e9t\u00e9"},
    };
    for (const auto& c : cases) {
        const MXExpressionPtr node = var(c.given);
        ASSERT_EQ(node != nullptr, c.exists) << utf8(c.given);
        if (node) {
            EXPECT_EQ(node->variable(), c.stored) << utf8(c.given);
        }
    }
}

TEST(ExpressionFactories, NullArgumentFailsWithError18) {
    MXError error;
    EXPECT_EQ(MXExpression::functionExpressionWithFunction(u"add", {num(1), nullptr}, &error), nullptr);
    EXPECT_EQ(error.domain(), MXErrorDomain);
    EXPECT_EQ(error.code(), MXErrorCodeInvalidArgument);
    EXPECT_EQ(utf8(error.localizedDescription()), "function arguments must be MXExpression objects");
    EXPECT_EQ(MXExpression::functionExpressionWithFunction(u"add", {nullptr}), nullptr);
}

TEST(ExpressionFactories, FunctionKeepsGivenSpellingAndLowerCasesName) {
    const MXExpressionPtr node = fn(u"ArcSin\u0394", {num(1)});
    EXPECT_EQ(node->function(), u"arcsin\u03b4");
    EXPECT_EQ(dynamic_cast<const detail::MXFunctionExpression&>(*node).givenFunction(), u"ArcSin\u0394");
    EXPECT_EQ(node->expressionType(), MXExpressionTypeFunction);
    EXPECT_EQ(num(1)->expressionType(), MXExpressionTypeNumber);
    EXPECT_EQ(var(u"x")->expressionType(), MXExpressionTypeVariable);
}

template <typename Exception, typename Call>
void expectThrows(Call call, const std::string& message, const char* label) {
    try {
        call();
        ADD_FAILURE() << label << ": nothing thrown";
    } catch (const std::exception& e) {
        EXPECT_EQ(typeid(e), typeid(Exception)) << label;
        EXPECT_EQ(std::string(e.what()), message) << label;
    }
}

TEST(ExpressionProperties, WrongKindThrows) {
    const MXExpressionPtr number = num(1);
    const MXExpressionPtr function = fn(u"f", {num(1)});
    const MXExpressionPtr variable = var(u"x");
    const std::string notNumber = "This is not a numeric expression";
    const std::string notFunction = "This is not a function expression";
    const std::string notVariable = "This is not a variable expression";
    for (const MXExpressionPtr& node : {function, variable})
        expectThrows<std::logic_error>([&] { node->number(); }, notNumber, "number");
    for (const MXExpressionPtr& node : {number, variable}) {
        expectThrows<std::invalid_argument>([&] { node->function(); }, notFunction, "function");
        expectThrows<std::invalid_argument>([&] { node->arguments(); }, notFunction, "arguments");
    }
    for (const MXExpressionPtr& node : {number, function})
        expectThrows<std::invalid_argument>([&] { node->variable(); }, notVariable, "variable");
}

// A kind that leaves the abstract operations of the base class in place.
class IncompleteExpression : public MXExpression {
public:
    size_t hash() const override { return 0; }
    bool isEqual(const MXExpression&) const override { return false; }
    std::u16string description() const override { return u""; }
};

TEST(ExpressionProperties, BaseClassOperationsThrow) {
    const IncompleteExpression node;
    expectThrows<std::logic_error>([&] { node.copy(); }, "this method should be overridden: copyWithZone:", "copy");
    expectThrows<std::logic_error>([&] { node.expressionType(); }, "this method should be overridden: expressionType",
                                   "expressionType");
    expectThrows<std::invalid_argument>([&] { node.simplifiedExpressionWithEvaluator(nullptr); },
                                        "this method should be overridden: simplifiedExpressionWithEvaluator:error:",
                                        "simplifiedExpressionWithEvaluator");
}

TEST(ExpressionParents, FunctionNodeAdoptsItsArguments) {
    const MXExpressionPtr one = num(1);
    const MXExpressionPtr x = var(u"x");
    const MXExpressionPtr first = fn(u"add", {one, x});
    EXPECT_EQ(first->parentExpression(), nullptr);
    EXPECT_EQ(one->parentExpression(), first);
    EXPECT_EQ(x->parentExpression(), first);

    const MXExpressionPtr second = fn(u"negate", {one});
    EXPECT_EQ(one->parentExpression(), second) << "the most recent adopter";
    EXPECT_EQ(x->parentExpression(), first);
}

TEST(ExpressionParents, ParentLinkIsWeak) {
    const MXExpressionPtr one = num(1);
    std::weak_ptr<const MXExpression> parent = fn(u"negate", {one});
    EXPECT_TRUE(parent.expired());
    EXPECT_EQ(one->parentExpression(), nullptr);
}

TEST(ExpressionCopy, FunctionCopyIsDeepWithNewParents) {
    const MXExpressionPtr original = fn(u"ADD", {num(1), fn(u"Negate", {var(u"x")}), dec(u"0.5")});
    const MXExpressionPtr copied = original->copy();
    ASSERT_TRUE(copied->isEqual(*original));
    EXPECT_NE(copied, original);
    EXPECT_EQ(dynamic_cast<const detail::MXFunctionExpression&>(*copied).givenFunction(), u"add");
    for (size_t i = 0; i < original->arguments().size(); ++i) {
        const MXExpressionPtr& copiedArgument = copied->arguments()[i];
        const MXExpressionPtr& originalArgument = original->arguments()[i];
        EXPECT_NE(copiedArgument, originalArgument) << i;
        EXPECT_EQ(copiedArgument->parentExpression(), copied) << i;
        EXPECT_EQ(originalArgument->parentExpression(), original) << i;
    }
    const MXExpressionPtr& innerCopy = copied->arguments()[1];
    EXPECT_NE(innerCopy->arguments()[0], original->arguments()[1]->arguments()[0]);
    EXPECT_EQ(innerCopy->arguments()[0]->parentExpression(), innerCopy);
}

TEST(ExpressionCopy, LeafCopiesAreNewEqualNodes) {
    for (const MXExpressionPtr& leaf : {num(2.5), dec(u"-3.25"), var(u"y"), nullNumber()}) {
        const MXExpressionPtr copied = leaf->copy();
        EXPECT_NE(copied, leaf);
        EXPECT_TRUE(copied->isEqual(*leaf)) << utf8(leaf->description());
        EXPECT_EQ(copied->description(), leaf->description());
    }
    const MXExpressionPtr decimal = dec(u"2");
    EXPECT_TRUE(decimal->copy()->number()->isDecimal()) << "the number is kept as given";
}

}  // namespace
