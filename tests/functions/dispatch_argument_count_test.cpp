#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/evaluation_outcome.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

// A call whose arguments would all fail if evaluated.
MXExpressionPtr callWithCount(const std::u16string& name, size_t count) {
    return fn(name, std::vector<MXExpressionPtr>(count, var(u"never")));
}

// One built-in per kind of range, over and under it, in both precisions: the error replaces an
// earlier one, names the built-in and its bound, and no argument is evaluated.
TEST(DispatchArgumentCount, CheckedBeforeAnyArgumentIsEvaluated) {
    const std::tuple<const char16_t*, size_t, const char16_t*> cases[] = {
        {u"pi", 1, u"pi:variables:error: requires 0 arguments"},
        {u"sin", 0, u"sin:variables:error: requires 1 argument"},
        {u"add", 3, u"add:variables:error: requires 2 arguments"},
        {u"sqrt", 0, u"sqrt:variables:error: requires 1 argument"},
        {u"nthroot", 3, u"nthroot:variables:error: requires 2 arguments"},
        {u"log", 3, u"log:variables:error: requires 2 arguments"},
        {u"dtor", 4, u"dtor:variables:error: requires 3 arguments"},
        {u"rnd", 3, u"random() may only have up to 2 arguments"},
        {u"count", 0, u"count:variables:error: requires at least 1 argument"},
        {u"median", 1, u"median:variables:error: requires at least 2 arguments"},
        {u"stddev", 1, u"stddev:variables:error: requires at least 2 arguments"},
        {u"varx", 1, u"varx:variables:error: requires 0 arguments"},
        {u"asin", 2, u"asin:variables:error: requires 1 argument"},
        {u"factorial", 0, u"factorial:variables:error: requires 1 argument"},
    };
    for (const bool precise : {false, true}) {
        MXMathEvaluator evaluator;
        evaluator.setUsesHighPrecisionEvaluation(precise);
        int evaluatedArguments = 0;
        evaluator.setVariableResolver([&evaluatedArguments](const std::u16string&) -> MXValue {
            ++evaluatedArguments;
            return std::monostate{};
        });
        for (const auto& [name, count, message] : cases) {
            const std::string context = utf8(name) + (precise ? " (decimal)" : "");
            MXError slot = MXError::engineError(MXErrorCodeInvalidFormat, u"earlier error");
            expectError(evaluateTree(evaluator, callWithCount(name, count)), MXErrorCodeInvalidArgumentCount, message,
                        context);
            EXPECT_FALSE(evaluator.evaluateExpression(callWithCount(name, count), nullptr, &slot)) << context;
            EXPECT_EQ(utf8(slot.localizedDescription()), utf8(message)) << context;
            EXPECT_FALSE(evaluator.evaluateExpression(callWithCount(name, count), nullptr, nullptr)) << context;
        }
        EXPECT_EQ(evaluatedArguments, 0);
    }
}

// Aliases and other spellings report the built-in they reach.
TEST(DispatchArgumentCount, AliasesReportTheirTarget) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"SIN($a;$b)", u"sin:variables:error: requires 1 argument"},
        {u"mean($x)", u"average:variables:error: requires at least 2 arguments"},
        {u"chord(1;2)", u"crd:variables:error: requires 1 argument"},
    };
    for (const bool precise : {false, true}) {
        MXMathEvaluator evaluator;
        evaluator.setUsesHighPrecisionEvaluation(precise);
        for (const auto& [text, message] : cases) {
            expectError(evaluateText(evaluator, text), MXErrorCodeInvalidArgumentCount, message, utf8(text));
        }
    }
}

}  // namespace
