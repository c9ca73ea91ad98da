// Dispatch without an evaluator, and the argument-count check before any argument is
// evaluated.
#include <gtest/gtest.h>

#include <tuple>

#include "functions/library/MXFunctionEvaluator.h"
#include "tests/support/builtin_evaluation.h"

namespace {

using namespace builtins_test;
using namespace evaluator_test;
using namespace expression_test;
using mxcalc::detail::MXFunctionEvaluator;

TEST(DispatchNames, ALibraryWithoutEvaluatorResolvesNothing) {
    MXFunctionEvaluator library(nullptr);
    EXPECT_EQ(library.evaluator(), nullptr);
    MXError error;
    EXPECT_EQ(library.evaluateFunction(fn(u"foo"), nullptr, &error), nullptr);
    EXPECT_FALSE(library.evaluateArgument(num(1), nullptr, &error).has_value());
}

// A call whose arguments would all fail if evaluated; "e" sits in a power to reach the built-in.
MXExpressionPtr callWithCount(const std::u16string& name, size_t count) {
    const MXExpressionPtr call = fn(name, std::vector<MXExpressionPtr>(count, var(u"never")));
    return name == u"e" ? fn(u"pow", {call, num(1)}) : call;
}

// Every built-in accepts at most one of no arguments and four; in both precisions it turns
// the other down before it evaluates any argument.
TEST(DispatchArgumentCount, EveryBuiltinChecksItsCountBeforeEvaluating) {
    for (const bool precise : {false, true}) {
        MXMathEvaluator evaluator;
        evaluator.setUsesHighPrecisionEvaluation(precise);
        int evaluatedArguments = 0;
        evaluator.setVariableResolver([&evaluatedArguments](const std::u16string&) -> MXValue {
            ++evaluatedArguments;
            return std::monostate{};
        });
        for (const auto& name : MXFunctionEvaluator::standardFunctions()) {
            int refusals = 0;
            for (const size_t count : {0, 4}) {
                evaluatedArguments = 0;
                MXError error;
                if (evaluator.evaluateExpression(callWithCount(name, count), nullptr, &error)) continue;
                if (error.code() != MXErrorCodeInvalidArgumentCount) continue;
                ++refusals;
                EXPECT_EQ(evaluatedArguments, 0) << utf8(name) << " with " << count << (precise ? " (decimal)" : "");
            }
            EXPECT_GE(refusals, 1) << utf8(name) << (precise ? " (decimal)" : "");
        }
    }
}

// The message names the built-in and its bound: one row per kind of range, over and under it,
// in both precisions; the error replaces an earlier one.
TEST(DispatchArgumentCount, MessagesNameTheBuiltinAndItsBound) {
    const std::tuple<const char16_t*, size_t, const char16_t*> cases[] = {
        {u"pi", 1, u"pi:variables:error: requires 0 arguments"},
        {u"sin", 0, u"sin:variables:error: requires 1 argument"},
        {u"add", 3, u"add:variables:error: requires 2 arguments"},
        {u"sqrt", 0, u"sqrt:variables:error: requires 1 argument"},
        {u"dtor", 4, u"dtor:variables:error: requires 3 arguments"},
        {u"rnd", 3, u"random() may only have up to 2 arguments"},
        {u"sum", 0, u"sum:variables:error: requires at least 1 argument"},
        {u"median", 1, u"median:variables:error: requires at least 2 arguments"},
        // An alias reports the built-in it reaches.
        {u"mean", 1, u"average:variables:error: requires at least 2 arguments"},
    };
    for (const bool precise : {false, true}) {
        MXMathEvaluator evaluator;
        evaluator.setUsesHighPrecisionEvaluation(precise);
        for (const auto& [name, count, message] : cases) {
            MXError slot = MXError::engineError(MXErrorCodeInvalidFormat, u"earlier error");
            EXPECT_FALSE(evaluator.evaluateExpression(callWithCount(name, count), nullptr, &slot));
            EXPECT_EQ(slot.code(), MXErrorCodeInvalidArgumentCount);
            EXPECT_EQ(utf8(slot.localizedDescription()), utf8(message)) << precise;
            EXPECT_FALSE(evaluator.evaluateExpression(callWithCount(name, count), nullptr, nullptr));
        }
    }
}

}  // namespace
