#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "functions/double/MXDoubleBuiltins.h"
#include "functions/library/MXFunctionEvaluator.h"
#include "tests/support/evaluation_outcome.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;
using mxcalc::detail::MXFunctionEvaluator;

// The standard names are those of the double table.
TEST(DispatchNames, EveryStandardNameFindsItsBuiltinAndOthersFindNone) {
    const auto& names = MXFunctionEvaluator::standardFunctions();
    std::vector<std::u16string> tableNames;
    for (const auto& [name, builtin] : MXDoubleBuiltinTable()) tableNames.push_back(name);
    std::sort(tableNames.begin(), tableNames.end());
    EXPECT_EQ(tableNames, names);
    MXMathEvaluator evaluator;
    const MXFunctionEvaluator& library = evaluator.functionEvaluator();
    for (const auto& name : names) EXPECT_NE(library.findBuiltin(name), nullptr) << utf8(name);
    EXPECT_EQ(library.findBuiltin(u"random"), library.findBuiltin(u"rnd"));
    for (const char16_t* name : {u"avg", u"E", u"Sin", u"", u"sin "}) EXPECT_EQ(library.findBuiltin(name), nullptr);
    // Whether a name is standard ignores case; aliases are not standard.
    const std::pair<const char16_t*, bool> cases[] = {
        {u"PI", true}, {u"l_gtoe", true}, {u"avg", false}, {u"\u03C0", false}, {u"", false}, {u"sinus", false}};
    for (const auto& [name, standard] : cases) {
        EXPECT_EQ(MXFunctionEvaluator::isStandardFunction(name), standard) << utf8(name);
    }
}

TEST(DispatchNames, NamesReachBuiltinsInAnyCase) {
    MXMathEvaluator evaluator;
    for (const char16_t* text : {u"SIN(0)", u"Sin(0)"}) {
        expectValue(evaluateText(evaluator, text), 0, utf8(text));
    }
    expectValue(evaluateTree(evaluator, fn(u"ADD", {num(2), num(3)})), 5, "ADD node");
}

TEST(DispatchNames, OnlyAnOperandOfAPowerIsEulersNumber) {
    MXMathEvaluator evaluator;
    const std::pair<const char16_t*, std::optional<double>> cases[] = {
        {u"e^2", 7.3890560989306495}, {u"2^e", std::pow(2.0, 2.718281828459045)}, {u"E^1", 2.718281828459045},
        {u"pow(e;1)", 2.718281828459045}, {u"e", std::nullopt}, {u"e+1", std::nullopt}, {u"2*e", std::nullopt},
        {u"sqrt(e)^2", std::nullopt},
    };
    for (const auto& [text, value] : cases) {
        const Outcome outcome = evaluateText(evaluator, text);
        if (value) {
            expectValue(outcome, *value, utf8(text));
        } else {
            expectError(outcome, MXErrorCodeUnresolvedFunction, u"unable to resolve function: e", utf8(text));
        }
    }
}

TEST(DispatchNames, ALoneECanBeSuppliedByTheHost) {
    MXMathEvaluator evaluator;
    EXPECT_FALSE(evaluator.registerFunction(returning(num(2.5)), u"e"));
    evaluator.setFunctionResolver([](const std::u16string& name) {
        return name == u"e" ? returning(num(2.5)) : MXMathFunction();
    });
    expectValue(evaluateText(evaluator, u"e*2"), 5, "resolved e");
    expectValue(evaluateText(evaluator, u"e^1"), 2.718281828459045, "e of a power stays the built-in");
}

TEST(DispatchNames, ALibraryWithoutEvaluatorResolvesNothing) {
    MXFunctionEvaluator library(nullptr);
    EXPECT_EQ(library.evaluator(), nullptr);
    MXError error;
    EXPECT_EQ(library.evaluateFunction(fn(u"foo"), nullptr, &error), nullptr);
    EXPECT_FALSE(library.evaluateArgument(num(1), nullptr, &error).has_value());
}

}  // namespace
