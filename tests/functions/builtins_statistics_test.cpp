// sum, count, average, min, max, median, mode, stddev, stddevs.
#include <cmath>

#include "tests/functions/builtins_support.h"

namespace {

using namespace builtins_test;

TEST(DoubleStatistics, ComputeOverAllArguments) {
    const ValueCase cases[] = {
        {u"sum(1;2;3.5)", Double, 6.5}, {u"sum(not(0);not(0))", Double, -2}, {u"average(2;4;9)", Double, 5},
        {u"median(5;1;3)", Decimal, 3}, {u"median(4;1;3;2)", Double, 2.5}, {u"median(2;1;and(3;3);8;1)", Decimal, 2},
        {u"stddev(2;4;4;4;5;5;7;9)", Double, 2},
        {u"stddevs(1;2;3;4)", Double, std::sqrt(5.0 / 3.0), 1e-15},
        {u"mode(1;2;2;3)", Decimal, 2}, {u"mode(1;1;2;2;2)", Decimal, 2},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(Statistics, CountIsADecimalOfTheArgumentsWithoutEvaluatingThemInBothPrecisions) {
    for (const bool precise : {false, true}) {
        for (const ValueCase& c : {ValueCase{u"count(a;b;c)", Decimal, 3}, {u"count(1/0;$undefined)", Decimal, 2}}) {
            expectValue(c, MXAngleMeasurementModeRadians, precise);
        }
    }
}

// min, max, mode and the median of an odd count return the argument's own number: number
// literals are decimals, results of built-ins keep their kinds.
TEST(DoubleStatistics, ChosenValuesKeepTheArgumentsNumber) {
    const ValueCase cases[] = {
        {u"min(2;2.0;1)", Decimal, 1}, {u"min(2;1/2;1)", Double, 0.5}, {u"min(and(5;5);9)", Int64, 5},
        {u"max(1;and(3;3);3.0)", Int64, 3}, {u"max(1;3.0;and(3;3))", Decimal, 3},
        {u"max(0;l_eq(1;1))", MXNumberKind::Int32, 1}, {u"median(9;and(5;5);1)", Int64, 5},
        {u"mode(and(2;2);2;7)", Int64, 2}, {u"mode(count(1;2);2;2)", Decimal, 2}, {u"mode(4/2;2;7)", Double, 2},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(Statistics, ModeWithoutAUniqueRepeatedValueFailsInBothPrecisions) {
    for (const bool precise : {false, true}) {
        expectFailures({u"mode(1;2;3)", u"mode(1;1;2;2)", u"mode(1;2;2;3;3)", u"mode(5)"},
                       MXErrorCodeInvalidFunctionReturnType, u"invalid return type from mode function",
                       MXAngleMeasurementModeRadians, precise);
    }
}

// Deviations nested forty deep finish: the work grows with the depth, not with its power of
// two. stddev(x;1) is |x - 1| / 2, which goes from 1 towards 1/3.
TEST(DoubleStatistics, NestedDeviationsTakeLinearWork) {
    std::u16string text = u"1";
    for (int depth = 0; depth < 40; ++depth) text = u"stddev(" + text + u";1)";
    MXMathEvaluator evaluator;
    const auto outcome = builtins_test::evaluate(evaluator, text);
    ASSERT_TRUE(outcome.number.has_value());
    EXPECT_NEAR(outcome.number->doubleValue(), 1.0 / 3, 1e-9);
}

}  // namespace
