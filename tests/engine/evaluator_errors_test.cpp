// Evaluation failures: codes, messages and keys, the error slot, and nesting too deep to evaluate.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/evaluation_outcome.h"

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
        {"unknown function in capitals", fn(u"FOO", {num(1)}), MXErrorCodeUnresolvedFunction,
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

TEST_F(EvaluatorErrors, WriteOnlyIntoAnEmptySlotAndFailWithoutOne) {
    const MXError earlier = MXError::engineError(MXErrorCodeInvalidFormat, u"earlier");
    for (const MXExpressionPtr& tree : {var(u"x"), fn(u"foo"), fn(u"nonumber"), fn(u"nothing")}) {
        MXError slot = earlier;
        EXPECT_FALSE(evaluator.evaluateExpression(tree, nullptr, &slot).has_value()) << utf8(tree->description());
        EXPECT_EQ(slot, earlier) << utf8(tree->description());
        EXPECT_FALSE(evaluator.evaluateExpression(tree, nullptr, nullptr).has_value()) << utf8(tree->description());
    }
    EXPECT_FALSE(evaluator.evaluateExpression(fn(u"sin", {}), nullptr, nullptr).has_value());
    EXPECT_FALSE(evaluator.evaluateExpression(nullptr, nullptr, nullptr).has_value());
}

TEST_F(EvaluatorErrors, TextsReportParseErrorsUnsupportedValuesAndNoDomainErrors) {
    const MXSubstitutions substitutions{{u"x", std::monostate{}}};
    expectShown(evaluator, {{u"1+", "error 10: no right operand to binary +"},
                            {u"1 + $x", "error 14: unable to resolve variable: $x"}}, &substitutions);
    const Outcome outcome = evaluateText(evaluator, u"1/0");
    ASSERT_TRUE(outcome.value.has_value());
    EXPECT_TRUE(std::isinf(outcome.value->doubleValue()));
    EXPECT_TRUE(outcome.error.isEmpty());
}

constexpr size_t kLimit = MXMathEvaluator::kMaximumEvaluationDepth;

struct SelfReferenceCase {
    const char* name;
    MXSubstitutions substitutions;
    std::u16string text;
};

TEST(EvaluatorDepth, SelfReferringSubstitutionsAndResolverAnswersFailAsUnresolved) {
    MXMathEvaluator evaluator;
    const SelfReferenceCase cases[] = {
        {"text refers to itself", {{u"x", std::u16string(u"$x+1")}}, u"$x"},
        {"two texts refer to each other", {{u"x", std::u16string(u"$y*2")}, {u"y", std::u16string(u"$x")}}, u"1+$x"},
        {"expression refers to itself", {{u"x", fn(u"negate", {var(u"x")})}}, u"$x"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = evaluateText(evaluator, c.text, &c.substitutions);
        EXPECT_FALSE(outcome.value.has_value()) << c.name;
        EXPECT_EQ(outcome.error.code(), MXErrorCodeUnresolvedVariable) << c.name;
        EXPECT_TRUE(outcome.error.userInfo().contains(MXUnknownVariableKey)) << c.name;
        expectValue(evaluateText(evaluator, u"2+3"), 5, std::string(c.name) + ": evaluator still usable");
    }
    evaluator.setVariableResolver([](const std::u16string&) -> MXValue { return std::u16string(u"$v-1"); });
    expectShown(evaluator, {{u"$v", "error 14: unable to resolve variable: $v"}});
}

TEST(EvaluatorDepth, ChainsEvaluateUpToTheLimitAndFailCleanlyBeyond) {
    MXMathEvaluator evaluator;
    expectValue(evaluateTree(evaluator, chain(kLimit, num(1))), 1, "negate chain at the limit");
    expectValue(evaluateTree(evaluator, chain(kLimit - 1, num(2), u"abs")), 2, "abs chain");
    for (size_t depth : {kLimit + 1, size_t{200000}}) {
        const std::string context = "depth " + std::to_string(depth);
        expectError(evaluateTree(evaluator, chain(depth, num(1))), MXErrorCodeInvalidFunctionReturnType,
                    u"expression nested too deeply in negate function", context);
        expectValue(evaluateTree(evaluator, chain(10, num(1))), 1, context + ": evaluator still usable");
    }
}

TEST(EvaluatorDepth, FunctionCallingItselfEndsWithAnError) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.registerFunction(
        [](const std::vector<MXExpressionPtr>&, const MXSubstitutions* substitutions, MXMathEvaluator& self,
           MXError* error) -> MXExpressionPtr {
            const auto value = self.evaluateString(u"again()", substitutions, error);
            return value ? MXExpression::numberExpressionWithNumber(value) : nullptr;
        },
        u"again"));
    expectError(evaluateText(evaluator, u"again()"), MXErrorCodeInvalidFunctionReturnType,
                u"expression nested too deeply in again function", "recursion");
}

}  // namespace
