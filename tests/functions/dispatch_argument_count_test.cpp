#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "functions/library/MXFunctionEvaluator.h"
#include "tests/support/evaluation_outcome.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

constexpr size_t kUnlimited = mxcalc::detail::MXFunctionEvaluator::kUnlimited;

struct CountRule {
    std::u16string name;
    size_t minimum;
    size_t maximum;
};

// The catalogue: how many arguments each built-in accepts.
std::vector<CountRule> catalogue() {
    std::vector<CountRule> rules;
    const auto add = [&rules](std::initializer_list<const char16_t*> names, size_t minimum, size_t maximum) {
        for (const char16_t* name : names) rules.push_back({name, minimum, maximum});
    };
    add({u"phi", u"pi", u"pi_2", u"pi_4", u"tau", u"sqrt2", u"e", u"log2e", u"log10e", u"ln2", u"ln10", u"varx"}, 0,
        0);
    add({u"negate", u"factorial", u"not", u"l_not", u"ln", u"log2", u"exp", u"ceil", u"floor", u"abs", u"percent",
         u"rtod", u"varxi", u"sin", u"cos", u"tan", u"asin", u"acos", u"atan", u"sinh", u"cosh", u"tanh", u"asinh",
         u"acosh", u"atanh", u"csc", u"sec", u"cotan", u"acsc", u"asec", u"acotan", u"csch", u"sech", u"cotanh",
         u"acsch", u"asech", u"acotanh", u"versin", u"vercosin", u"coversin", u"covercosin", u"haversin",
         u"havercosin", u"hacoversin", u"hacovercosin", u"exsec", u"excsc", u"crd"},
        1, 1);
    add({u"add", u"subtract", u"multiply", u"divide", u"mod", u"pow", u"and", u"or", u"xor", u"lshift", u"rshift",
         u"l_and", u"l_or", u"l_eq", u"l_neq", u"l_lt", u"l_gt", u"l_ltoe", u"l_gtoe"},
        2, 2);
    add({u"sqrt", u"nthroot", u"log", u"round"}, 1, 2);
    add({u"dtor"}, 1, 3);
    add({u"random", u"rnd"}, 0, 2);
    add({u"sum", u"count", u"mode"}, 1, kUnlimited);
    add({u"average", u"min", u"max", u"median", u"stddev", u"stddevs"}, 2, kUnlimited);
    return rules;
}

// A call whose arguments would all fail if evaluated; "e" sits in a power to reach the built-in.
MXExpressionPtr callWithCount(const std::u16string& name, size_t count) {
    std::vector<MXExpressionPtr> arguments;
    for (size_t i = 0; i < count; ++i) arguments.push_back(var(u"never"));
    MXExpressionPtr call = fn(name, arguments);
    if (name == u"e") return fn(u"pow", {call, num(1)});
    return call;
}

// Every built-in in both precisions, over and under its range: the error, and no argument evaluated.
TEST(DispatchArgumentCount, EveryBuiltinChecksItsCountBeforeEvaluating) {
    std::vector<std::u16string> names;
    for (const auto& rule : catalogue()) names.push_back(rule.name);
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names, mxcalc::detail::MXFunctionEvaluator::standardFunctions());
    for (const bool precise : {false, true}) {
        MXMathEvaluator evaluator;
        evaluator.setUsesHighPrecisionEvaluation(precise);
        int evaluatedArguments = 0;
        evaluator.setVariableResolver([&evaluatedArguments](const std::u16string&) -> MXValue {
            ++evaluatedArguments;
            return std::monostate{};
        });
        for (const auto& rule : catalogue()) {
            std::vector<size_t> counts;
            if (rule.maximum != kUnlimited) counts.push_back(rule.maximum + 1);
            if (rule.minimum > 0) counts.push_back(rule.minimum - 1);
            for (size_t count : counts) {
                const std::string context = utf8(rule.name) + " with " + std::to_string(count) + (precise ? "!" : "");
                evaluatedArguments = 0;
                MXError slot = MXError::engineError(MXErrorCodeInvalidFormat, u"earlier error");
                EXPECT_FALSE(evaluator.evaluateExpression(callWithCount(rule.name, count), nullptr, &slot)) << context;
                EXPECT_EQ(slot.code(), MXErrorCodeInvalidArgumentCount) << context;
                EXPECT_FALSE(evaluator.evaluateExpression(callWithCount(rule.name, count), nullptr, nullptr));
                EXPECT_EQ(evaluatedArguments, 0) << context;
            }
        }
    }
}

// The message names the built-in and its bound: one row per kind of range, over and under it.
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
    };
    for (const bool precise : {false, true}) {
        MXMathEvaluator evaluator;
        evaluator.setUsesHighPrecisionEvaluation(precise);
        for (const auto& [name, count, message] : cases) {
            MXError error;
            EXPECT_FALSE(evaluator.evaluateExpression(callWithCount(name, count), nullptr, &error));
            EXPECT_EQ(utf8(error.localizedDescription()), utf8(message)) << precise;
        }
    }
}

// Aliases and other spellings report the built-in they reach.
TEST(DispatchArgumentCount, AliasesReportTheirTarget) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"SIN($a;$b)", u"sin:variables:error: requires 1 argument"},
        {u"avg(1)", u"average:variables:error: requires at least 2 arguments"},
        {u"mean($x)", u"average:variables:error: requires at least 2 arguments"},
        {u"chord(1;2)", u"crd:variables:error: requires 1 argument"},
        {u"modulo(1;2;3)", u"mod:variables:error: requires 2 arguments"},
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
