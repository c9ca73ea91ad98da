// Finding built-ins by name, the argument-count check before any argument is evaluated, and
// the angle-unit wrappers of degree mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "functions/angle/MXAngleUnits.h"
#include "functions/double/MXDoubleBuiltins.h"
#include "functions/library/MXFunctionEvaluator.h"
#include "tests/support/builtin_evaluation.h"

namespace {

using namespace builtins_test;
using namespace evaluator_test;
using namespace expression_test;
using mxcalc::detail::MXFunctionEvaluator;

// The standard names are those of the double table.
TEST(DispatchNames, StandardNamesAreThoseOfTheDoubleTableInAnyCase) {
    const auto& names = MXFunctionEvaluator::standardFunctions();
    std::vector<std::u16string> tableNames;
    for (const auto& [name, builtin] : MXDoubleBuiltinTable()) tableNames.push_back(name);
    std::sort(tableNames.begin(), tableNames.end());
    EXPECT_EQ(tableNames, names);
    MXMathEvaluator evaluator;
    const MXFunctionEvaluator& library = evaluator.functionEvaluator();
    EXPECT_EQ(library.findBuiltin(u"random"), library.findBuiltin(u"rnd"));
    for (const char16_t* name : {u"avg", u"E", u"Sin", u"", u"sin "}) EXPECT_EQ(library.findBuiltin(name), nullptr);
    // Whether a name is standard ignores case; aliases are not standard.
    const std::pair<const char16_t*, bool> cases[] = {
        {u"PI", true}, {u"l_gtoe", true}, {u"avg", false}, {u"\u03C0", false}, {u"", false}, {u"sinus", false}};
    for (const auto& [name, standard] : cases) {
        EXPECT_EQ(MXFunctionEvaluator::isStandardFunction(name), standard) << utf8(name);
    }
}

TEST(DispatchNames, SwitchingPrecisionBackRestoresDoubles) {
    MXMathEvaluator evaluator;
    evaluator.setUsesHighPrecisionEvaluation(true);
    EXPECT_EQ(evaluateText(evaluator, u"0.1+0.2").value->kind(), Decimal);
    evaluator.setUsesHighPrecisionEvaluation(false);
    EXPECT_EQ(evaluateText(evaluator, u"0.1+0.2").value->kind(), Double);
}

TEST(DispatchNames, ALoneECanBeSuppliedByTheHost) {
    MXMathEvaluator evaluator;
    EXPECT_FALSE(evaluator.registerFunction(returning(num(2.5)), u"e"));
    evaluator.setFunctionResolver([](const std::u16string& name) {
        return name == u"e" ? returning(num(2.5)) : MXMathFunction();
    });
    evaluator_test::expectValue(evaluateText(evaluator, u"e*2"), 5, "resolved e");
    evaluator_test::expectValue(evaluateText(evaluator, u"e^1"), 2.718281828459045, "e of a power");
}

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

// In degree mode dtor becomes the parent of what it wraps and does not wrap its own call
// again; in radians or without an evaluator nothing is wrapped.
TEST(AngleWrappers, WrapOnlyInDegreeModeAndNeverTwice) {
    using mxcalc::detail::MXDTOR;
    MXMathEvaluator evaluator;
    const MXExpressionPtr x = var(u"x");
    EXPECT_EQ(MXDTOR(x, &evaluator, nullptr), x);
    EXPECT_EQ(MXDTOR(x, nullptr, nullptr), x);
    evaluator.setAngleMeasurementMode(Degrees);
    const MXExpressionPtr wrapped = MXDTOR(x, &evaluator, nullptr);
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(utf8(wrapped->description()), "dtor($x)");
    EXPECT_EQ(x->parentExpression(), wrapped);
    EXPECT_EQ(MXDTOR(wrapped, &evaluator, nullptr), wrapped);
    EXPECT_EQ(utf8(mxcalc::detail::MXRTOD(wrapped, &evaluator, nullptr)->description()), "rtod(dtor($x))");
}

}  // namespace
