// Evaluation failures: codes, messages and keys, the error slot, and nesting too deep to evaluate.
#include <gtest/gtest.h>

#include "tests/support/evaluation_outcome.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

class EvaluatorErrors : public ::testing::Test {
protected:
    EvaluatorErrors() {
        evaluator.registerFunction(returning(MXExpression::numberExpressionWithNumber(std::nullopt)), u"nonumber");
        evaluator.registerFunction(returning(nullptr), u"nothing");
        evaluator.registerFunction(
            [](const std::vector<MXExpressionPtr>&, const MXSubstitutions*, MXMathEvaluator&, MXError* error) {
                MXError::fillEmptySlot(error, MXError::engineError(MXErrorCodeInvalidArgument, u"own failure"));
                return MXExpressionPtr();
            },
            u"ownerror");
    }
    MXMathEvaluator evaluator;
};

// What each failure shows, and the name it reports.
TEST_F(EvaluatorErrors, ReportEachFailureWithItsCodeMessageAndKey) {
    const std::tuple<MXExpressionPtr, const char*, MXError::UserInfo> cases[] = {
        {fn(u"add", {num(1), var(u"x")}), "error 14: unable to resolve variable: $x", {{MXUnknownVariableKey, u"x"}}},
        {fn(u"FOO", {num(1)}), "error 15: unable to resolve function: foo", {{MXUnknownFunctionKey, u"foo"}}},
        {fn(u"nonumber"), "error 16: invalid return type from nonumber function", {}},
        {fn(u"ownerror"), "error 18: own failure", {}},
    };
    for (const auto& [tree, text, userInfo] : cases) {
        const Outcome outcome = evaluateTree(evaluator, tree);
        EXPECT_EQ(shown(outcome), text);
        EXPECT_EQ(outcome.error.domain(), MXErrorDomain) << text;
        EXPECT_EQ(outcome.error.userInfo(), userInfo) << text;
    }
}

// The first error stays; without a slot the failure is only the missing value.
TEST_F(EvaluatorErrors, WriteOnlyIntoAnEmptySlot) {
    const MXError earlier = MXError::engineError(MXErrorCodeInvalidFormat, u"earlier");
    for (const MXExpressionPtr& tree : {var(u"x"), fn(u"foo"), fn(u"nonumber"), fn(u"nothing")}) {
        MXError slot = earlier;
        EXPECT_FALSE(evaluator.evaluateExpression(tree, nullptr, &slot).has_value()) << utf8(tree->description());
        EXPECT_EQ(slot, earlier) << utf8(tree->description());
    }
    EXPECT_FALSE(evaluator.evaluateExpression(nullptr, nullptr, nullptr).has_value());
    const MXSubstitutions substitutions{{u"x", std::monostate{}}};
    expectShown(evaluator, {{u"1+", "error 10: no right operand to binary +"},
                            {u"1 + $x", "error 14: unable to resolve variable: $x"}}, &substitutions);
}

constexpr size_t kLimit = MXMathEvaluator::kMaximumEvaluationDepth;

// A value that refers to itself, as text, as a tree or through the resolver, fails as
// unresolved and leaves the evaluator usable.
TEST(EvaluatorDepth, SelfReferringValuesFailAsUnresolved) {
    MXMathEvaluator evaluator;
    const MXSubstitutions text{{u"x", std::u16string(u"$x+1")}};
    const MXSubstitutions tree{{u"x", fn(u"negate", {var(u"x")})}};
    for (const MXSubstitutions* substitutions : {&text, &tree}) {
        expectShown(evaluator, {{u"$x", "error 14: unable to resolve variable: $x"}, {u"2+3", "5"}}, substitutions);
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
