#include <gtest/gtest.h>

#include "tests/engine/evaluator_support.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

struct SubstitutionCase {
    const char* name;
    MXValue value;
    double expected;
};

TEST(EvaluatorSubstitutions, EachValueKindGivesANumber) {
    MXMathEvaluator evaluator;
    const SubstitutionCase cases[] = {
        {"number", MXNumber(2.0), 3},
        {"text is evaluated", std::u16string(u"2*3"), 7},
        {"expression is evaluated", fn(u"multiply", {num(4), num(5)}), 21},
        {"text refers to another substitution", std::u16string(u"$y+1"), 12},
    };
    for (const auto& c : cases) {
        const MXSubstitutions substitutions{{u"x", c.value}, {u"y", MXNumber(10.0)}};
        expectValue(evaluateText(evaluator, u"1 + $x", &substitutions), c.expected, c.name);
    }
}

TEST(EvaluatorSubstitutions, KeysAreCaseSensitive) {
    MXMathEvaluator evaluator;
    const MXSubstitutions substitutions{{u"X", MXNumber(2.0)}};
    expectError(evaluateText(evaluator, u"$x", &substitutions), MXErrorCodeUnresolvedVariable,
                u"unable to resolve variable: $x", "lower-case name");
    expectValue(evaluateText(evaluator, u"$X", &substitutions), 2, "same case");
}

TEST(EvaluatorSubstitutions, NumbersComeBackAsStored) {
    MXMathEvaluator evaluator;
    const MXNumber decimalTwo = MXNumber::numberWithDecimal(MXDecimalRecordFromString(std::u16string_view(u"2.5")));
    const MXSubstitutions substitutions{{u"d", decimalTwo}, {u"i", MXNumber::numberWithLongLong(7)}};
    const std::pair<MXExpressionPtr, MXNumberKind> cases[] = {
        {var(u"d"), MXNumberKind::Decimal}, {var(u"i"), MXNumberKind::Int64}, {dec(u"1.25"), MXNumberKind::Decimal}};
    for (const auto& [tree, kind] : cases) {
        const Outcome outcome = evaluateTree(evaluator, tree, &substitutions);
        ASSERT_TRUE(outcome.value.has_value()) << utf8(tree->description());
        EXPECT_EQ(outcome.value->kind(), kind) << utf8(tree->description());
    }
}

TEST(EvaluatorVariableResolver, AnswersWhatSubstitutionsLack) {
    MXMathEvaluator evaluator;
    EXPECT_TRUE(std::holds_alternative<std::monostate>(evaluator.variableWithName(u"a")));
    std::vector<std::u16string> asked;
    evaluator.setVariableResolver([&asked](const std::u16string& name) -> MXValue {
        asked.push_back(name);
        if (name == u"a") return MXNumber(5.0);
        if (name == u"b") return std::u16string(u"$a*2");
        if (name == u"c") return fn(u"add", {var(u"a"), num(1)});
        return std::monostate{};
    });
    const MXSubstitutions substitutions{{u"a", MXNumber(1.0)}};
    expectValue(evaluateText(evaluator, u"$a"), 5, "resolver alone");
    expectValue(evaluateText(evaluator, u"$a", &substitutions), 1, "substitution first");
    expectValue(evaluateText(evaluator, u"$b"), 10, "text answer");
    expectValue(evaluateText(evaluator, u"$c"), 6, "expression answer");
    expectError(evaluateText(evaluator, u"$Q"), MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $Q",
                "no answer");
    EXPECT_EQ(asked.back(), u"Q");
    EXPECT_TRUE(std::holds_alternative<MXNumber>(evaluator.variableWithName(u"a")));
}

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
    expectValue(evaluateText(evaluator, u"SEVEN()"), 7, "resolved");
    EXPECT_EQ(asked.back(), u"seven");
    expectValue(evaluateText(evaluator, u"mine()"), 1, "registered wins");
    expectValue(evaluateText(evaluator, u"sin(0)"), 0, "built-in wins");
    EXPECT_EQ(asked, std::vector<std::u16string>{u"seven"});
    expectError(evaluateText(evaluator, u"broken(1)"), MXErrorCodeUnresolvedFunction,
                u"unable to resolve function: broken", "resolved function gave nothing");
    expectError(evaluateText(evaluator, u"other(1)"), MXErrorCodeUnresolvedFunction,
                u"unable to resolve function: other", "resolver has nothing");
}

TEST(EvaluatorFunctionsAsVariables, NamesWithoutFunctionsTakeVariableValues) {
    MXMathEvaluator evaluator;
    const MXSubstitutions substitutions{{u"x", MXNumber(5.0)}, {u"sin", MXNumber(9.0)}};
    expectError(evaluateText(evaluator, u"x", &substitutions), MXErrorCodeUnresolvedFunction,
                u"unable to resolve function: x", "flag off");

    evaluator.setResolvesFunctionsAsVariables(true);
    EXPECT_TRUE(evaluator.resolvesFunctionsAsVariables());
    expectValue(evaluateText(evaluator, u"x", &substitutions), 5, "bare name");
    expectValue(evaluateText(evaluator, u"x(1;2)", &substitutions), 5, "arguments ignored");
    expectValue(evaluateText(evaluator, u"X($undefined)", &substitutions), 5, "arguments not evaluated");
    expectValue(evaluateText(evaluator, u"sin(0)", &substitutions), 0, "built-in first");

    ASSERT_TRUE(evaluator.registerFunction(returning(num(3)), u"x"));
    expectValue(evaluateText(evaluator, u"x", &substitutions), 3, "registered function first");

    evaluator.setVariableResolver([](const std::u16string& name) -> MXValue {
        return name == u"y" ? MXValue(MXNumber(8.0)) : MXValue(std::monostate{});
    });
    expectValue(evaluateText(evaluator, u"y"), 8, "variable resolver");
    evaluator.setFunctionResolver([](const std::u16string& name) -> MXMathFunction {
        return name == u"z" ? returning(num(4)) : MXMathFunction();
    });
    expectValue(evaluateText(evaluator, u"z"), 4, "function resolver after the variables");
    expectError(evaluateText(evaluator, u"w"), MXErrorCodeUnresolvedFunction, u"unable to resolve function: w",
                "nothing anywhere");
}

}  // namespace
