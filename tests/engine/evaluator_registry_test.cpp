// Registering, aliasing and unregistering functions, the list of registered names, and names
// without functions resolved as variables.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text/MXText.h"
#include "tests/support/evaluation_outcome.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

MXMathFunction doubling() {
    return [](const std::vector<MXExpressionPtr>& arguments, const MXSubstitutions* substitutions,
              MXMathEvaluator& evaluator, MXError* error) -> MXExpressionPtr {
        const auto value = evaluator.evaluateExpression(arguments.at(0), substitutions, error);
        return value ? num(value->doubleValue() * 2) : nullptr;
    };
}

bool listed(const MXMathEvaluator& evaluator, std::u16string_view name) {
    const auto names = evaluator.registeredFunctions();
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(EvaluatorRegistration, RefusesBuiltinsAliasesTakenNamesAndEmptyFunctions) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"Twice"));
    const std::vector<std::u16string> names = evaluator.registeredFunctions();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_TRUE(listed(evaluator, u"twice") && !listed(evaluator, u"Twice")) << "stored lower-cased";
    EXPECT_TRUE(listed(evaluator, u"sin") && listed(evaluator, u"\u03C7") && listed(evaluator, u"add"));
    // Built-ins, operator built-ins, standard aliases (Greek as written and lower-cased), registered names.
    for (const std::u16string name : {u"SIN", u"add", u"Mean", u"\u03A7", u"\u03C7", u"TWICE"}) {
        EXPECT_FALSE(evaluator.registerFunction(doubling(), name)) << utf8(name);
        EXPECT_FALSE(evaluator.addAlias(name, u"twice")) << utf8(name);
    }
    EXPECT_FALSE(evaluator.registerFunction(MXMathFunction(), u"empty"));
    expectShown(evaluator, {{u"TWICE(2)", "4"}, {u"empty()", "error 15: unable to resolve function: empty"}});
}

// A removed standard alias frees its name; unregistering removes functions and aliases alike,
// never built-ins, and a name can be registered again.
TEST(EvaluatorRegistration, RemovingAndUnregistering) {
    MXMathEvaluator evaluator;
    evaluator.removeAlias(u"AVG");
    EXPECT_FALSE(listed(evaluator, u"avg"));
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"avg"));
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"twice"));
    expectShown(evaluator, {{u"avg(5)", "10"}});
    evaluator.removeAlias(u"TWICE");
    evaluator.unregisterFunctionWithName(u"Mean");
    evaluator.unregisterFunctionWithName(u"sin");
    evaluator.unregisterFunctionWithName(u"neverregistered");
    expectShown(evaluator, {{u"twice(1)", "error 15: unable to resolve function: twice"},
                            {u"mean(1)", "error 15: unable to resolve function: mean"}, {u"sin(0)", "0"}});
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"twice"));
    expectShown(evaluator, {{u"twice(4)", "8"}});
}

TEST(EvaluatorRegistration, AFunctionThatRemovesItselfFinishesItsCall) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.registerFunction(
        [](const std::vector<MXExpressionPtr>& arguments, const MXSubstitutions* substitutions, MXMathEvaluator& self,
           MXError* error) -> MXExpressionPtr {
            self.unregisterFunctionWithName(u"once");
            const auto value = self.evaluateString(arguments.at(0)->description() + u"*2", substitutions, error);
            return value ? MXExpression::numberExpressionWithNumber(value) : nullptr;
        },
        u"once"));
    expectShown(evaluator, {{u"once(21)", "42"}, {u"once(21)", "error 15: unable to resolve function: once"}});
}

TEST(EvaluatorFunctionsAsVariables, NamesWithoutFunctionsTakeVariableValues) {
    MXMathEvaluator evaluator;
    const MXSubstitutions substitutions{{u"x", MXNumber(5.0)}, {u"sin", MXNumber(9.0)}};
    evaluator.setResolvesFunctionsAsVariables(true);
    // Arguments are ignored, never evaluated; built-ins come first.
    expectShown(evaluator, {{u"x", "5"}, {u"x(1;2)", "5"}, {u"X($undefined)", "5"}, {u"sin(0)", "0"}}, &substitutions);
    ASSERT_TRUE(evaluator.registerFunction(returning(num(3)), u"x"));
    expectShown(evaluator, {{u"x", "3"}}, &substitutions);
    evaluator.setVariableResolver([](const std::u16string& name) -> MXValue {
        return name == u"y" ? MXValue(MXNumber(8.0)) : MXValue(std::monostate{});
    });
    evaluator.setFunctionResolver([](const std::u16string& name) -> MXMathFunction {
        return name == u"z" ? returning(num(4)) : MXMathFunction();
    });
    expectShown(evaluator, {{u"y", "8"}, {u"z", "4"}, {u"w", "error 15: unable to resolve function: w"}});
}

}  // namespace
