// Argument counts are checked before any argument is evaluated, with the exact messages.
#include <algorithm>
#include <vector>

#include "functions/double/MXDoubleBuiltins.h"
#include "tests/functions/builtins_support.h"

namespace {

using namespace builtins_test;
constexpr auto Count = MXErrorCodeInvalidArgumentCount;

TEST(DoubleArgumentCounts, ReportTheRuleOfEachBuiltin) {
    // Unresolvable arguments show that nothing was evaluated before the check.
    const FailureCase cases[] = {
        {u"sin($a;$b)", Count, u"sin:variables:error: requires 1 argument"},
        {u"SIN(1;2)", Count, u"sin:variables:error: requires 1 argument"},
        {u"pi($a)", Count, u"pi:variables:error: requires 0 arguments"},
        {u"varx(1)", Count, u"varx:variables:error: requires 0 arguments"},
        {u"add($a)", Count, u"add:variables:error: requires 2 arguments"},
        {u"l_not(1;$a)", Count, u"l_not:variables:error: requires 1 argument"},
        {u"factorial()", Count, u"factorial:variables:error: requires 1 argument"},
        {u"log()", Count, u"log:variables:error: requires 1 argument"},
        {u"log(1;2;$a)", Count, u"log:variables:error: requires 2 arguments"},
        {u"sqrt(1;2;3)", Count, u"sqrt:variables:error: requires 2 arguments"},
        {u"nthroot()", Count, u"nthroot:variables:error: requires 1 argument"},
        {u"round(1;2;3)", Count, u"round:variables:error: requires 2 arguments"},
        {u"dtor()", Count, u"dtor:variables:error: requires 1 argument"},
        {u"dtor(1;2;3;$a)", Count, u"dtor:variables:error: requires 3 arguments"},
        {u"random(1;2;$a)", Count, u"random() may only have up to 2 arguments"},
        {u"rnd(1;2;3)", Count, u"random() may only have up to 2 arguments"},
        {u"sum()", Count, u"sum:variables:error: requires at least 1 argument"},
        {u"count()", Count, u"count:variables:error: requires at least 1 argument"},
        {u"mode()", Count, u"mode:variables:error: requires at least 1 argument"},
        {u"min(4)", Count, u"min:variables:error: requires at least 2 arguments"},
        {u"median($a)", Count, u"median:variables:error: requires at least 2 arguments"},
        {u"stddevs(1)", Count, u"stddevs:variables:error: requires at least 2 arguments"},
        {u"average(1)", Count, u"average:variables:error: requires at least 2 arguments"},
        // An alias reports its target.
        {u"avg(1)", Count, u"average:variables:error: requires at least 2 arguments"},
        {u"chord(1;2)", Count, u"crd:variables:error: requires 1 argument"},
        {u"percent()", Count, u"percent:variables:error: requires 1 argument"},
        {u"tan(1;2)", Count, u"tan:variables:error: requires 1 argument"},
        {u"acotanh()", Count, u"acotanh:variables:error: requires 1 argument"},
    };
    for (const auto& c : cases) expectFailure(c);
}

TEST(DoubleBuiltinTable, HoldsExactlyTheStandardFunctions) {
    std::vector<std::u16string> names;
    for (const auto& [name, builtin] : MXDoubleBuiltinTable()) {
        EXPECT_NE(builtin, nullptr) << MXToUtf8(name);
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names.size(), 95u);
    EXPECT_EQ(names, detail::MXFunctionEvaluator::standardFunctions());
    EXPECT_EQ(MXDoubleBuiltinTable().at(u"rnd"), MXDoubleBuiltinTable().at(u"random"));
}

}  // namespace
