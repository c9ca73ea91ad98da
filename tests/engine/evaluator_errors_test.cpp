#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/evaluator_support.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

struct ErrorCase {
    const char* name;
    MXExpressionPtr tree;
    MXErrorCode code;
    std::u16string message;
    MXError::UserInfo userInfo;
};

class EvaluatorErrors : public ::testing::Test {
protected:
    EvaluatorErrors() {
        evaluator.registerFunction(returning(MXExpression::numberExpressionWithNumber(std::nullopt)), u"nonumber");
        evaluator.registerFunction(returning(nullptr), u"nothing");
        evaluator.registerFunction(returning(var(u"undefined")), u"tovariable");
        evaluator.registerFunction(
            [](const std::vector<MXExpressionPtr>&, const MXSubstitutions*, MXMathEvaluator&, MXError* error) {
                MXError::fillEmptySlot(error, MXError::engineError(MXErrorCodeInvalidArgument, u"own failure"));
                return MXExpressionPtr();
            },
            u"ownerror");
    }
    MXMathEvaluator evaluator;
};

TEST_F(EvaluatorErrors, ReportEachFailureWithItsCodeMessageAndKey) {
    const ErrorCase cases[] = {
        {"unknown variable", fn(u"add", {num(1), var(u"x")}), MXErrorCodeUnresolvedVariable,
         u"unable to resolve variable: $x", {{MXUnknownVariableKey, u"x"}}},
        {"unknown function", fn(u"foo", {num(1)}), MXErrorCodeUnresolvedFunction, u"unable to resolve function: foo",
         {{MXUnknownFunctionKey, u"foo"}}},
        {"function named in capitals", fn(u"FOO", {}), MXErrorCodeUnresolvedFunction,
         u"unable to resolve function: foo", {{MXUnknownFunctionKey, u"foo"}}},
        {"number node without a number", fn(u"nonumber"), MXErrorCodeInvalidFunctionReturnType,
         u"invalid return type from nonumber function", {}},
        {"function returning nothing", fn(u"nothing"), MXErrorCodeUnresolvedFunction,
         u"unable to resolve function: nothing", {{MXUnknownFunctionKey, u"nothing"}}},
        {"function's own error stays", fn(u"ownerror"), MXErrorCodeInvalidArgument, u"own failure", {}},
        {"returned variable is evaluated in turn", fn(u"tovariable"), MXErrorCodeUnresolvedVariable,
         u"unable to resolve variable: $undefined", {{MXUnknownVariableKey, u"undefined"}}},
        {"innermost failure wins", fn(u"multiply", {fn(u"bar", {var(u"y")}), var(u"z")}),
         MXErrorCodeUnresolvedFunction, u"unable to resolve function: bar", {{MXUnknownFunctionKey, u"bar"}}},
        {"failing argument of a built-in", fn(u"sin", {var(u"angle")}), MXErrorCodeUnresolvedVariable,
         u"unable to resolve variable: $angle", {{MXUnknownVariableKey, u"angle"}}},
    };
    for (const auto& c : cases) {
        const Outcome outcome = evaluateTree(evaluator, c.tree);
        expectError(outcome, c.code, c.message, c.name);
        EXPECT_EQ(outcome.error.userInfo(), c.userInfo) << c.name;
    }
}

TEST_F(EvaluatorErrors, WriteOnlyIntoAnEmptySlot) {
    const MXError earlier = MXError::engineError(MXErrorCodeInvalidFormat, u"earlier");
    for (const MXExpressionPtr& tree : {var(u"x"), fn(u"foo"), fn(u"nonumber"), fn(u"nothing")}) {
        MXError slot = earlier;
        EXPECT_FALSE(evaluator.evaluateExpression(tree, nullptr, &slot).has_value()) << utf8(tree->description());
        EXPECT_EQ(slot, earlier) << utf8(tree->description());
    }
}

TEST_F(EvaluatorErrors, FailWithoutASlot) {
    for (const MXExpressionPtr& tree : {var(u"x"), fn(u"foo"), fn(u"nonumber"), fn(u"sin", {})}) {
        EXPECT_FALSE(evaluator.evaluateExpression(tree, nullptr, nullptr).has_value()) << utf8(tree->description());
    }
    EXPECT_FALSE(evaluator.evaluateExpression(nullptr, nullptr, nullptr).has_value());
}

TEST_F(EvaluatorErrors, ParseErrorsOfTextReachTheCaller) {
    const Outcome outcome = evaluateText(evaluator, u"1+");
    EXPECT_FALSE(outcome.value.has_value());
    EXPECT_EQ(outcome.error.code(), MXErrorCodeBinaryOperatorMissingRightOperand);
}

TEST_F(EvaluatorErrors, UnsupportedSubstitutionValueIsAnUnresolvedVariable) {
    const MXSubstitutions substitutions{{u"x", std::monostate{}}};
    expectError(evaluateText(evaluator, u"1 + $x", &substitutions), MXErrorCodeUnresolvedVariable,
                u"unable to resolve variable: $x", "unsupported value");
}

TEST_F(EvaluatorErrors, DomainErrorsAreNumbersNotErrors) {
    const Outcome outcome = evaluateText(evaluator, u"1/0");
    ASSERT_TRUE(outcome.value.has_value());
    EXPECT_TRUE(std::isinf(outcome.value->doubleValue()));
    EXPECT_TRUE(outcome.error.isEmpty());
}

}  // namespace
