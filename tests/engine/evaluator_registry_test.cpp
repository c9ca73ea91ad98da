// Registering, aliasing and unregistering functions, and the list of registered names.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "functions/library/MXFunctionEvaluator.h"
#include "platform/text/MXText.h"
#include "tests/support/evaluation_outcome.h"

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

TEST(EvaluatorRegistration, RefusesBuiltinsAliasesTakenNamesAndEmptyFunctions) {
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
    expectShown(evaluator, {{u"empty()", "error 15: unable to resolve function: empty"}});
}

TEST(EvaluatorRegistration, StoresTheNameLowerCasedAndCallsItInAnyCase) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"Foo"));
    const auto names = evaluator.registeredFunctions();
    EXPECT_NE(std::find(names.begin(), names.end(), u"foo"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), u"Foo"), names.end());
    expectShown(evaluator, {{u"FOO(2)", "4"}, {u"foo(2)", "4"}});
}

// A removed standard alias frees its name; unregistering removes functions and aliases alike,
// never built-ins, and a name can be registered again.
TEST(EvaluatorRegistration, RemovingAndUnregistering) {
    MXMathEvaluator evaluator;
    EXPECT_FALSE(evaluator.registerFunction(doubling(), u"avg"));
    evaluator.removeAlias(u"AVG");
    expectShown(evaluator, {{u"avg(1;3)", "error 15: unable to resolve function: avg"}});
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"avg"));
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"twice"));
    expectShown(evaluator, {{u"avg(5)", "10"}});
    evaluator.removeAlias(u"TWICE");
    evaluator.unregisterFunctionWithName(u"Mean");
    expectShown(evaluator, {{u"twice(1)", "error 15: unable to resolve function: twice"},
                            {u"mean(1;3)", "error 15: unable to resolve function: mean"}});
    const size_t before = evaluator.registeredFunctions().size();
    evaluator.unregisterFunctionWithName(u"neverregistered");
    evaluator.unregisterFunctionWithName(u"sin");
    EXPECT_EQ(evaluator.registeredFunctions().size(), before);
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"twice"));
    expectShown(evaluator, {{u"sin(0)", "0"}, {u"twice(4)", "8"}});
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

TEST(EvaluatorAliases, TargetsAreRegisteredMissingOrNeedNoArguments) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.registerFunction(doubling(), u"twice"));
    ASSERT_TRUE(evaluator.addAlias(u"Double", u"twice"));
    ASSERT_TRUE(evaluator.addAlias(u"bar", u"NoSuch"));
    const MXSubstitutions substitutions{{u"x", MXNumber(21.0)}};
    expectShown(evaluator, {{u"DOUBLE($x)", "42"}}, &substitutions);
    expectShown(evaluator, {{u"\u03A7(1)", "error 17: varx:variables:error: requires 0 arguments"},
                            {u"\u03C7(1)", "error 17: varx:variables:error: requires 0 arguments"}});
    const Outcome outcome = evaluateText(evaluator, u"bar(1)");
    EXPECT_EQ(shown(outcome), "error 15: unable to resolve function: nosuch");
    EXPECT_EQ(outcome.error.userInfo(), (MXError::UserInfo{{MXUnknownFunctionKey, u"nosuch"}}));
}

TEST(EvaluatorRegisteredFunctions, ListsBuiltinsAndMapKeysSorted) {
    MXMathEvaluator evaluator;
    std::vector<std::u16string> names = evaluator.registeredFunctions();
    EXPECT_EQ(names.size(), 95u + 14u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    std::set<std::u16string> expected(mxcalc::detail::MXFunctionEvaluator::standardFunctions().begin(),
                                      mxcalc::detail::MXFunctionEvaluator::standardFunctions().end());
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
        EXPECT_TRUE(mxcalc::detail::MXFunctionEvaluator::isStandardFunction(target)) << MXToUtf8(target);
        EXPECT_FALSE(mxcalc::detail::MXFunctionEvaluator::isStandardFunction(alias)) << MXToUtf8(alias);
    }
    EXPECT_EQ(&MXMathEvaluator::defaultMathEvaluator(), &MXMathEvaluator::sharedMathEvaluator());
}

}  // namespace
