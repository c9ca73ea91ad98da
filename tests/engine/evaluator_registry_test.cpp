#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "functions/library/MXFunctionEvaluator.h"
#include "platform/text/MXText.h"
#include "tests/engine/evaluator_support.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

MXMathFunction doubling() {
    return [](const std::vector<MXExpressionPtr>& arguments, const MXSubstitutions* substitutions,
              MXMathEvaluator& evaluator, MXError* error) -> MXExpressionPtr {
        if (arguments.size() != 1) return nullptr;
        const auto value = evaluator.evaluateExpression(arguments[0], substitutions, error);
        if (!value) return nullptr;
        return num(value->doubleValue() * 2);
    };
}

void expectUnknownFunction(MXMathEvaluator& evaluator, std::u16string_view text, std::u16string_view name) {
    expectError(evaluateText(evaluator, text), MXErrorCodeUnresolvedFunction,
                u"unable to resolve function: " + std::u16string(name), utf8(std::u16string(text)));
}

TEST(EvaluatorRegistration, RefusesBuiltinsAndTakenNames) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"twice"));
    // Built-ins, operator built-ins, standard aliases (Greek as written and lower-cased), registered names.
    for (const std::u16string name : {u"SIN", u"add", u"avg", u"Mean", u"\u03A7", u"\u03C7", u"twice", u"TWICE"}) {
        EXPECT_FALSE(evaluator.registerFunction(doubling(), name)) << utf8(name);
        EXPECT_FALSE(evaluator.addAlias(name, u"twice")) << utf8(name);
    }
    EXPECT_TRUE(evaluator.registerFunction(doubling(), u"thrice"));
    EXPECT_FALSE(evaluator.addAlias(u"thrice", u"twice")) << "taken by the registration just made";
    EXPECT_FALSE(evaluator.registerFunction(MXMathFunction(), u"empty"));
    expectUnknownFunction(evaluator, u"empty()", u"empty");
}

TEST(EvaluatorRegistration, StoresTheNameLowerCasedAndCallsItInAnyCase) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"Foo"));
    const auto names = evaluator.registeredFunctions();
    EXPECT_NE(std::find(names.begin(), names.end(), u"foo"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), u"Foo"), names.end());
    for (const char16_t* text : {u"FOO(2)", u"foo(2)"}) expectValue(evaluateText(evaluator, text), 4, utf8(text));
}

TEST(EvaluatorRegistration, AStandardAliasCanBeReplacedOnlyAfterItsRemoval) {
    MXMathEvaluator evaluator;
    EXPECT_FALSE(evaluator.registerFunction(doubling(), u"avg"));
    evaluator.removeAlias(u"AVG");
    expectUnknownFunction(evaluator, u"avg(1;3)", u"avg");
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"avg"));
    expectValue(evaluateText(evaluator, u"avg(5)"), 10, "registered in place of the alias");
}

TEST(EvaluatorRegistration, UnregisteringRemovesFunctionsAndAliasesAlike) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"twice"));
    evaluator.removeAlias(u"TWICE");
    expectUnknownFunction(evaluator, u"twice(1)", u"twice");
    evaluator.unregisterFunctionWithName(u"Mean");
    expectUnknownFunction(evaluator, u"mean(1;3)", u"mean");
    const size_t before = evaluator.registeredFunctions().size();
    evaluator.unregisterFunctionWithName(u"neverregistered");
    evaluator.unregisterFunctionWithName(u"sin");
    EXPECT_EQ(evaluator.registeredFunctions().size(), before);
    expectValue(evaluateText(evaluator, u"sin(0)"), 0, "built-ins cannot be unregistered");
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"twice"));
    expectValue(evaluateText(evaluator, u"twice(4)"), 8, "registered again after removal");
}

TEST(EvaluatorRegistration, AFunctionThatRemovesItselfFinishesItsCall) {
    MXMathEvaluator evaluator;
    const std::u16string factor = u"*2";
    ASSERT_TRUE(evaluator.registerFunction(
        [factor](const std::vector<MXExpressionPtr>& arguments, const MXSubstitutions* substitutions,
                 MXMathEvaluator& self, MXError* error) -> MXExpressionPtr {
            self.unregisterFunctionWithName(u"once");
            const auto value = self.evaluateString(arguments.at(0)->description() + factor, substitutions, error);
            return value ? MXExpression::numberExpressionWithNumber(value) : nullptr;
        },
        u"once"));
    expectValue(evaluateText(evaluator, u"once(21)"), 42, "first call");
    expectUnknownFunction(evaluator, u"once(21)", u"once");
}

struct AliasCase {
    std::u16string alias;
    std::u16string target;
    std::vector<double> arguments;
};

TEST(EvaluatorAliases, EachStandardAliasComputesItsTarget) {
    MXMathEvaluator evaluator;
    const AliasCase cases[] = {
        {u"avg", u"average", {1, 3, 8}},   {u"chord", u"crd", {0.7}},      {u"cvs", u"coversin", {0.3}},
        {u"mean", u"average", {2, 5}},     {u"modulo", u"mod", {7, 3}},    {u"tau_2", u"pi", {}},
        {u"trunc", u"floor", {-2.5}},      {u"ver", u"versin", {0.4}},     {u"vercos", u"vercosin", {0.4}},
        {u"vers", u"versin", {1.1}},       {u"\u03C0", u"pi", {}},         {u"\u03C4", u"tau", {}},
        {u"\u03D5", u"phi", {}},
    };
    for (const auto& c : cases) {
        std::vector<MXExpressionPtr> arguments;
        for (double argument : c.arguments) arguments.push_back(num(argument));
        const Outcome viaAlias = evaluateTree(evaluator, fn(c.alias, arguments));
        const Outcome direct = evaluateTree(evaluator, fn(c.target, arguments));
        ASSERT_TRUE(direct.value.has_value()) << MXToUtf8(c.target);
        expectValue(viaAlias, direct.value->doubleValue(), MXToUtf8(c.alias));
    }
    expectValue(evaluateText(evaluator, u"trunc(-2.5)"), -3, "trunc rounds toward minus infinity");
}

TEST(EvaluatorAliases, CapitalChiReachesVarxAndReportsTheTarget) {
    MXMathEvaluator evaluator;
    for (const std::u16string name : {u"\u03A7", u"\u03C7"}) {
        expectError(evaluateTree(evaluator, fn(name, {num(1)})), MXErrorCodeInvalidArgumentCount,
                    u"varx:variables:error: requires 0 arguments", MXToUtf8(name));
    }
}

TEST(EvaluatorAliases, AMissingTargetFailsNamingTheTarget) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.addAlias(u"bar", u"NoSuch"));
    const Outcome outcome = evaluateText(evaluator, u"bar(1)");
    expectError(outcome, MXErrorCodeUnresolvedFunction, u"unable to resolve function: nosuch", "missing target");
    EXPECT_EQ(outcome.error.userInfo(), (MXError::UserInfo{{MXUnknownFunctionKey, u"nosuch"}}));
}

TEST(EvaluatorAliases, AnAliasCanNameARegisteredFunctionAndPassesSubstitutions) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"twice"));
    ASSERT_TRUE(evaluator.addAlias(u"Double", u"twice"));
    const MXSubstitutions substitutions{{u"x", MXNumber(21.0)}};
    expectValue(evaluateText(evaluator, u"DOUBLE($x)", &substitutions), 42, "alias of a registered function");
}

TEST(EvaluatorRegisteredFunctions, ListsBuiltinsAndMapKeysSorted) {
    MXMathEvaluator evaluator;
    std::vector<std::u16string> names = evaluator.registeredFunctions();
    EXPECT_EQ(names.size(), 95u + 14u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    std::set<std::u16string> expected(detail::MXFunctionEvaluator::standardFunctions().begin(),
                                      detail::MXFunctionEvaluator::standardFunctions().end());
    for (const auto& [alias, target] : MXMathEvaluator::standardAliases()) expected.insert(MXLowercase(alias));
    EXPECT_EQ(std::set<std::u16string>(names.begin(), names.end()), expected);

    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"Zeta"));
    evaluator.removeAlias(u"avg");
    names = evaluator.registeredFunctions();
    EXPECT_EQ(names.size(), 95u + 14u);
    EXPECT_NE(std::find(names.begin(), names.end(), u"zeta"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), u"avg"), names.end());
}

TEST(EvaluatorAliases, StandardAliasesNameStandardFunctionsOnly) {
    EXPECT_EQ(MXMathEvaluator::standardAliases().size(), 14u);
    for (const auto& [alias, target] : MXMathEvaluator::standardAliases()) {
        EXPECT_TRUE(detail::MXFunctionEvaluator::isStandardFunction(target)) << MXToUtf8(target);
        EXPECT_FALSE(detail::MXFunctionEvaluator::isStandardFunction(alias)) << MXToUtf8(alias);
    }
    EXPECT_EQ(&MXMathEvaluator::defaultMathEvaluator(), &MXMathEvaluator::sharedMathEvaluator());
}

}  // namespace
