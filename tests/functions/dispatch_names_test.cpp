#include <gtest/gtest.h>

#include <algorithm>

#include "functions/double/MXDoubleBuiltins.h"
#include "functions/library/MXFunctionEvaluator.h"
#include "tests/support/builtin_evaluation.h"

namespace {

using namespace builtins_test;
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

TEST(DispatchNames, NamesReachBuiltinsInAnyCaseInBothPrecisions) {
    for (const char16_t* text : {u"SIN(0)", u"Sin(0)"}) expectBoth({text, 0, "0"});
    expectBoth({u"SQRT(0.25)", 0.5, "0.5"});
    MXMathEvaluator evaluator;
    evaluator_test::expectValue(evaluator_test::evaluateTree(evaluator, fn(u"ADD", {num(2), num(3)})), 5, "ADD");
}

TEST(DispatchNames, SwitchingPrecisionBackRestoresDoubles) {
    MXMathEvaluator evaluator;
    evaluator.setUsesHighPrecisionEvaluation(true);
    EXPECT_EQ(evaluator_test::evaluateText(evaluator, u"0.1+0.2").value->kind(), Decimal);
    evaluator.setUsesHighPrecisionEvaluation(false);
    EXPECT_EQ(evaluator_test::evaluateText(evaluator, u"0.1+0.2").value->kind(), Double);
}

TEST(DispatchNames, ALoneECanBeSuppliedByTheHost) {
    MXMathEvaluator evaluator;
    EXPECT_FALSE(evaluator.registerFunction(evaluator_test::returning(num(2.5)), u"e"));
    evaluator.setFunctionResolver([](const std::u16string& name) {
        return name == u"e" ? evaluator_test::returning(num(2.5)) : MXMathFunction();
    });
    evaluator_test::expectValue(evaluator_test::evaluateText(evaluator, u"e*2"), 5, "resolved e");
    evaluator_test::expectValue(evaluator_test::evaluateText(evaluator, u"e^1"), 2.718281828459045, "e of a power");
}

TEST(DispatchNames, ALibraryWithoutEvaluatorResolvesNothing) {
    MXFunctionEvaluator library(nullptr);
    EXPECT_EQ(library.evaluator(), nullptr);
    MXError error;
    EXPECT_EQ(library.evaluateFunction(fn(u"foo"), nullptr, &error), nullptr);
    EXPECT_FALSE(library.evaluateArgument(num(1), nullptr, &error).has_value());
}

}  // namespace
