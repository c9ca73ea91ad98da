// percent: a share of the first operand of the sum or difference it ends, else of 1.
#include <cstdio>
#include <cstdlib>

#include "engine/operators/MXMathOperatorSet.h"
#include "tests/functions/builtins_support.h"

namespace {

using namespace builtins_test;

TEST(DoublePercent, TakesItsShareOfTheOperandItIsAddedToOrSubtractedFrom) {
    const ValueCase cases[] = {
        {u"percent(10)", Double, 0.1},
        {u"percent(-50)", Double, -0.5},
        {u"add(200;percent(10))", Double, 220},
        {u"subtract(200;percent(10))", Double, 180},
        {u"200+percent(10)", Double, 220},
        {u"(100+percent(10))+percent(10)", Double, 121},
        {u"5*(200-percent(10))", Double, 900},
        // Anywhere else the share is of 1.
        {u"multiply(200;percent(10))", Double, 20},
        {u"divide(200;percent(10))", Double, 2000},
        {u"add(percent(10);200)", Double, 200.1},
        {u"200+percent(10)*2", Double, 200.2},
        {u"sin(0)+percent(10)", Double, 0},
    };
    for (const auto& c : cases) expectValue(c);
    for (const auto& c : cases) expectValue(c, MXAngleMeasurementModeDegrees);
}

TEST(DoublePercent, TheBaseIsEvaluatedFirstAndItsFailureEndsTheCall) {
    expectFailure({u"add($base;percent($share))", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $base"});
    expectFailure({u"add(1;percent($share))", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $share"});
}

// Switching "%" to percent changes the process-wide operator set, so it runs in a child
// process; every mismatch is written to standard error.
int countPercentSignMismatches() {
    MXMathOperatorSet::defaultOperatorSet()->setInterpretsPercentSignAsModulo(false);
    const ValueCase cases[] = {
        {u"100+10%", Double, 110},
        {u"50+10%", Double, 55},
        {u"200-10%", Double, 180},
        {u"50*10%", Double, 5},
        {u"200×10%", Double, 20},
        {u"10%", Double, 0.1},
        {u"100+10%+10%", Double, 121},
        {u"100-50%-50%", Double, 25},
        {u"1+3+25%", Double, 5},
    };
    int mismatches = 0;
    for (const auto& c : cases) {
        const auto outcome = evaluate(c.text);
        if (outcome.number && outcome.number->kind() == c.kind && outcome.number->doubleValue() == c.value) continue;
        ++mismatches;
        std::fprintf(stderr, "%s gave %s (%s)\n", MXToUtf8(c.text).c_str(),
                     outcome.number ? MXToUtf8(outcome.number->description()).c_str() : "nothing",
                     MXToUtf8(outcome.error.localizedDescription()).c_str());
    }
    return mismatches;
}

TEST(DoublePercentSign, InSumsAddsOrSubtractsTheShare) {
    EXPECT_EXIT(std::exit(countPercentSignMismatches()), testing::ExitedWithCode(0), "^$");
}

}  // namespace
