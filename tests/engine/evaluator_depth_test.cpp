#include <gtest/gtest.h>

#include "tests/engine/evaluator_support.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

constexpr size_t kLimit = MXMathEvaluator::kMaximumEvaluationDepth;

struct SelfReferenceCase {
    const char* name;
    MXSubstitutions substitutions;
    std::u16string text;
    std::u16string variable;
};

TEST(EvaluatorDepth, SelfReferringSubstitutionsFailAsUnresolvedVariables) {
    MXMathEvaluator evaluator;
    const SelfReferenceCase cases[] = {
        {"text refers to itself", {{u"x", std::u16string(u"$x+1")}}, u"$x", u"x"},
        {"two texts refer to each other", {{u"x", std::u16string(u"$y*2")}, {u"y", std::u16string(u"$x")}}, u"1+$x",
         u"x"},
        {"expression refers to itself", {{u"x", fn(u"negate", {var(u"x")})}}, u"$x", u"x"},
        {"plain alias of itself", {{u"x", std::u16string(u"$x")}}, u"$x", u"x"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = evaluateText(evaluator, c.text, &c.substitutions);
        EXPECT_FALSE(outcome.value.has_value()) << c.name;
        EXPECT_EQ(outcome.error.code(), MXErrorCodeUnresolvedVariable) << c.name;
        EXPECT_TRUE(outcome.error.userInfo().contains(MXUnknownVariableKey)) << c.name;
        expectValue(evaluateText(evaluator, u"2+3"), 5, std::string(c.name) + ": evaluator still usable");
    }
}

TEST(EvaluatorDepth, SelfReferringResolverAnswerFails) {
    MXMathEvaluator evaluator;
    evaluator.setVariableResolver([](const std::u16string&) -> MXValue { return std::u16string(u"$v-1"); });
    expectError(evaluateText(evaluator, u"$v"), MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $v",
                "resolver");
}

TEST(EvaluatorDepth, TreesWithinTheLimitEvaluate) {
    MXMathEvaluator evaluator;
    expectValue(evaluateTree(evaluator, chain(kLimit, num(1))), 1, "negate chain at the limit");
    expectValue(evaluateTree(evaluator, chain(kLimit - 1, num(2), u"abs")), 2, "abs chain");
}

TEST(EvaluatorDepth, DeeperTreesFailCleanly) {
    MXMathEvaluator evaluator;
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
    const Outcome outcome = evaluateText(evaluator, u"again()");
    expectError(outcome, MXErrorCodeInvalidFunctionReturnType, u"expression nested too deeply in again function",
                "recursion");
}

TEST(EvaluatorDepth, DeeplyNestedTextNeverCrashes) {
    MXMathEvaluator evaluator;
    const auto nested = [](size_t depth) {
        return std::u16string(depth, u'(') + u"-1" + std::u16string(depth, u')');
    };
    expectValue(evaluateText(evaluator, nested(100)), -1, "100 brackets");
    const Outcome deep = evaluateText(evaluator, nested(100000));
    EXPECT_TRUE(deep.value.has_value() || !deep.error.isEmpty());
}

}  // namespace
