// Where values come from: substitutions, the variable and function resolvers, functions as variables.
#include <gtest/gtest.h>

#include "tests/support/evaluation_outcome.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

// Numbers keep the kind stored; texts and trees are evaluated in turn.
TEST(EvaluatorSubstitutions, EachValueKindGivesANumberUnderItsExactName) {
    MXMathEvaluator evaluator;
    const std::pair<MXValue, double> cases[] = {{MXNumber(2.0), 3}, {std::u16string(u"2*3"), 7},
                                                {fn(u"multiply", {num(4), num(5)}), 21}, {std::u16string(u"$y+1"), 12}};
    for (const auto& [value, expected] : cases) {
        const MXSubstitutions substitutions{{u"x", value}, {u"y", MXNumber(10.0)}};
        expectValue(evaluateText(evaluator, u"1 + $x", &substitutions), expected, std::to_string(expected));
    }
    const MXSubstitutions stored{{u"X", MXNumber::numberWithLongLong(7)}};
    expectShown(evaluator, {{u"$x", "error 14: unable to resolve variable: $x"}}, &stored);
    EXPECT_EQ(evaluateTree(evaluator, var(u"X"), &stored).value->kind(), MXNumberKind::Int64);
}

TEST(EvaluatorVariableResolver, AnswersWhatSubstitutionsLack) {
    MXMathEvaluator evaluator;
    EXPECT_TRUE(std::holds_alternative<std::monostate>(evaluator.variableWithName(u"a")));
    evaluator.setVariableResolver([](const std::u16string& name) -> MXValue {
        if (name == u"a") return MXNumber(5.0);
        if (name == u"b") return std::u16string(u"$a*2");
        if (name == u"c") return fn(u"add", {var(u"a"), num(1)});
        return std::monostate{};
    });
    const MXSubstitutions substitutions{{u"a", MXNumber(1.0)}};
    expectShown(evaluator, {{u"$a", "1"}}, &substitutions);
    expectShown(evaluator,
                {{u"$a", "5"}, {u"$b", "10"}, {u"$c", "6"}, {u"$Q", "error 14: unable to resolve variable: $Q"}});
    EXPECT_TRUE(std::holds_alternative<MXNumber>(evaluator.variableWithName(u"a")));
}

// Registered functions and built-ins come before the resolver, which is asked only for the rest.
TEST(EvaluatorFunctionResolver, SuppliesFunctionsAfterTheRegistry) {
    MXMathEvaluator evaluator;
    std::vector<std::u16string> asked;
    evaluator.setFunctionResolver([&asked](const std::u16string& name) -> MXMathFunction {
        asked.push_back(name);
        if (name == u"seven" || name == u"mine") return returning(num(7));
        if (name == u"broken") return returning(nullptr);
        return {};
    });
    ASSERT_TRUE(evaluator.registerFunction(returning(num(1)), u"mine"));
    expectShown(evaluator, {{u"SEVEN()", "7"}, {u"mine()", "1"}, {u"sin(0)", "0"}});
    EXPECT_EQ(asked, std::vector<std::u16string>{u"seven"});
    expectShown(evaluator, {{u"broken(1)", "error 15: unable to resolve function: broken"},
                            {u"other(1)", "error 15: unable to resolve function: other"}});
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
