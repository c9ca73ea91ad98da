// percent: a share of the first operand of the sum or difference it ends, else of 1.
#include <cstdio>
#include <cstdlib>

#include "engine/operators/MXMathOperatorSet.h"
#include "tests/support/builtin_evaluation.h"

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

// Switching "%" to percent changes the process-wide operator set, so it runs in a child
// process; every mismatch is written to standard error.
int countPercentSignMismatches() {
    MXMathOperatorSet::defaultOperatorSet()->setInterpretsPercentSignAsModulo(false);
    const ValueCase cases[] = {
        {u"100+10%", Double, 110}, {u"50+10%", Double, 55}, {u"200-10%", Double, 180}, {u"50*10%", Double, 5},
        {u"100+10%+10%", Double, 121}, {u"1+3+25%", Double, 5},
    };
    int mismatches = 0;
    for (const auto& c : cases) {
        const auto outcome = evaluate(c.text);
        if (outcome.value && outcome.value->kind() == c.kind && outcome.value->doubleValue() == c.value) continue;
        ++mismatches;
        std::fprintf(stderr, "%s gave %s (%s)\n", utf8(c.text).c_str(),
                     outcome.value ? utf8(outcome.value->description()).c_str() : "nothing",
                     utf8(outcome.error.localizedDescription()).c_str());
    }
    return mismatches;
}

TEST(PercentSign, InSumsAddsOrSubtractsTheShare) {
    EXPECT_EXIT(std::exit(countPercentSignMismatches()), testing::ExitedWithCode(0), "^$");
}

}  // namespace
