// percent: a share of the first operand of the sum or difference it ends, else of 1.
#include "tests/support/builtin_evaluation.h"
#include "tests/support/operator_set_guard.h"

namespace {

using namespace builtins_test;

TEST(Percent, TakesItsShareOfTheOperandItIsAddedToOrSubtractedFromInBothPrecisions) {
    const BothCase cases[] = {
        {u"percent(10)", 0.1, "0.1"}, {u"add(200;percent(10))", 220, "220"},
        {u"subtract(200;percent(10))", 180, "180"}, {u"(100+percent(10))+percent(10)", 121, "121"},
        {u"5*(200-percent(10))", 900, "900"}, {u"1/3-percent(50)", 1.0 / 6, "0.16666666666666666666666666666666666667"},
        // Anywhere else the share is of 1.
        {u"multiply(200;percent(10))", 20, "20"}, {u"add(percent(10);200)", 200.1, "200.1"},
        {u"200+percent(10)*2", 200.2, "200.2"}, {u"sin(0)+percent(10)", 0, "0"},
    };
    for (const auto mode : {Radians, Degrees}) {
        for (const auto& c : cases) expectBoth(c, mode);
    }
}

// With "%" read as percent (the guard restores the shared operator set afterwards).
TEST(PercentSign, InSumsAddsOrSubtractsTheShare) {
    DefaultOperatorSetGuard percentSign(false);
    const ValueCase cases[] = {
        {u"100+10%", Double, 110}, {u"50+10%", Double, 55}, {u"200-10%", Double, 180}, {u"50*10%", Double, 5},
        {u"100+10%+10%", Double, 121}, {u"1+3+25%", Double, 5},
    };
    for (const auto& c : cases) expectValue(c);
}

}  // namespace
