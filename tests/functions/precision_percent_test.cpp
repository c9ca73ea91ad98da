// percent with high precision on: a share of the first operand of the sum or difference it ends.
#include "tests/functions/precision_support.h"

namespace {

using namespace precision_test;

TEST(PrecisePercent, TakesItsShareOfTheOperandItIsAddedToOrSubtractedFrom) {
    const DecimalCase cases[] = {
        {u"add(200;percent(10))", "220"},
        {u"subtract(200;percent(10))", "180"},
        {u"200+percent(10)", "220"},
        {u"0.3+percent(10)", "0.33"},
        {u"(100+percent(10))+percent(10)", "121"},
        {u"1/3-percent(50)", "0.16666666666666666666666666666666666667"},
        // Anywhere else the share is of 1.
        {u"percent(10)", "0.1"},
        {u"percent(1/3)", "0.0033333333333333333333333333333333333333"},
        {u"multiply(200;percent(10))", "20"},
        {u"divide(200;percent(10))", "2000"},
        {u"add(percent(10);200)", "200.1"},
        {u"200+percent(10)*2", "200.2"},
    };
    for (const auto& c : cases) expectDecimal(c);
    for (const auto& c : cases) expectDecimal(c, MXAngleMeasurementModeDegrees);
}

TEST(PrecisePercent, AFailingBaseOrShareEndsTheCall) {
    expectFailure(u"add($base;percent($share))", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $base");
    expectFailure(u"add(1;percent($share))", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $share");
}

}  // namespace
