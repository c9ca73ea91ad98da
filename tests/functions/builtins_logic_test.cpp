// l_and, l_or, l_not and the comparisons.
#include "tests/functions/builtins_support.h"

namespace {

using namespace builtins_test;

TEST(DoubleLogic, TruthValuesAreThirtyTwoBitZeroOrOne) {
    const ValueCase cases[] = {
        {u"l_and(2;3)", Int32, 1},
        {u"l_and(2;0)", Int32, 0},
        {u"l_and(0.5;-1)", Int32, 1},
        {u"1&&0", Int32, 0},
        {u"l_or(0;0)", Int32, 0},
        {u"l_or(0;5)", Int32, 1},
        {u"0||2", Int32, 1},
        {u"l_not(5)", Int32, 0},
        {u"l_not(0)", Int32, 1},
        {u"l_not(0.0001)", Int32, 0},
        {u"!0", Int32, 1},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleLogic, ComparisonsFollowNumericOrderAcrossKinds) {
    const ValueCase cases[] = {
        {u"l_eq(1;1.0)", Int32, 1},
        {u"l_eq(and(1;1);1)", Int32, 1},
        {u"1==2", Int32, 0},
        {u"l_neq(1;2)", Int32, 1},
        {u"l_neq(2;2)", Int32, 0},
        {u"l_lt(1;2)", Int32, 1},
        {u"l_lt(2;2)", Int32, 0},
        {u"l_gt(3;2)", Int32, 1},
        {u"l_gt(2;2)", Int32, 0},
        {u"l_ltoe(2;2)", Int32, 1},
        {u"l_ltoe(3;2)", Int32, 0},
        {u"l_gtoe(2;2)", Int32, 1},
        {u"l_gtoe(1;2)", Int32, 0},
        {u"1<2", Int32, 1},
        {u"2>=3", Int32, 0},
        {u"l_eq(count(1;2);2)", Int32, 1},
        // Not-a-number equals itself and is smaller than every number.
        {u"l_eq(0/0;0/0)", Int32, 1},
        {u"l_lt(0/0;-1/0)", Int32, 1},
    };
    for (const auto& c : cases) expectValue(c);
}

TEST(DoubleLogic, BothOperandsAreAlwaysEvaluated) {
    expectFailures({u"l_and(0;$x)", u"l_or(1;$x)", u"l_eq(1;$x)"}, MXErrorCodeUnresolvedVariable,
                   u"unable to resolve variable: $x");
}

}  // namespace
