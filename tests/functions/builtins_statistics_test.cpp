// sum, count, average, min, max, median, mode, stddev and stddevs in both precisions, and the
// order in which the built-ins evaluate their arguments.
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/builtin_evaluation.h"

namespace {

using namespace builtins_test;

// Decimals are exact where doubles are not; the sum of the two middle numbers of a median is
// rounded to 38 digits before it is halved.
TEST(Statistics, ComputeInBothPrecisions) {
    const BothCase cases[] = {
        {u"sum(0.1;0.2)", 0.1 + 0.2, "0.3"}, {u"sum(1e30;1;-1e30)", 0, "1"}, {u"avg(0.1;0.2;0.3)", {}, "0.2"},
        {u"average(1;2;2)", 5.0 / 3, "1.6666666666666666666666666666666666667", 1e-15},
        {u"median(4;1;3;2)", 2.5, "2.5"}, {u"median(1;1/3)", {}, "0.66666666666666666666666666666666666665"},
        {u"stddev(2;4;4;4;5;5;7;9)", 2, "2"},
        {u"stddevs(2;4;4;4;5;5;7;9)", std::sqrt(32.0 / 7), "2.1380899352993950774764278470380281724320113", 1e-15},
        {u"stddevs(0.1;0.3)", {}, "0.14142135623730950488016887242096980785696718753769", 1e-15},
    };
    for (const auto& c : cases) expectBoth(c);
}

// min, max, mode, the median of an odd count and varxi return the argument's own number:
// number literals are decimals, results of built-ins keep their kinds.
TEST(Statistics, ChosenValuesKeepTheArgumentsNumber) {
    const ValueCase cases[] = {
        {u"median(5;1;3)", Decimal, 3}, {u"median(2;1;and(3;3);8;1)", Decimal, 2}, {u"mode(1;1;2;2;2)", Decimal, 2},
        {u"min(2;2.0;1)", Decimal, 1}, {u"min(2;1/2;1)", Double, 0.5}, {u"min(and(5;5);9)", Int64, 5},
        {u"max(1;and(3;3);3.0)", Int64, 3}, {u"max(1;3.0;and(3;3))", Decimal, 3},
        {u"max(0;l_eq(1;1))", Int32, 1}, {u"median(9;and(5;5);1)", Int64, 5},
        {u"mode(and(2;2);2;7)", Int64, 2}, {u"mode(count(1;2);2;2)", Decimal, 2}, {u"mode(4/2;2;7)", Double, 2},
        {u"varxi(7)", Decimal, 7}, {u"varxi(7/2)", Double, 3.5}, {u"varxi(l_not(0))", Int32, 1},
    };
    for (const auto& c : cases) expectValue(c);
    // With high precision on, a double winner of mode becomes the decimal of the digits it prints as.
    expectValue({u"median(9;round(2/3;5);0)", Double, 0.66667}, true);
    expectValue({u"min(9;ln(0);1)", Double, -infinity}, true);
    expectValue({u"varxi(and(5;5))", Int64, 5}, true);
    expectDecimal(u"mode(round(2/3;5);1;round(2/3;5))", "0.66667");
    expectDecimal(u"min(0.2;0.1;0.3)", "0.1");
}

TEST(Statistics, CountAndModeInBothPrecisions) {
    for (const bool precise : {false, true}) {
        expectValue({u"count(a;b;c)", Decimal, 3}, precise);
        expectValue({u"count(1/0;$undefined)", Decimal, 2}, precise);
        for (const char16_t* text : {u"mode(1;2;3)", u"mode(1;1;2;2)", u"mode(5)"}) {
            evaluator_test::expectError(evaluate(text, precise), MXErrorCodeInvalidFunctionReturnType,
                                        u"invalid return type from mode function", utf8(text));
        }
    }
}

// Deviations nested forty deep finish: the work grows with the depth, not with its power of
// two. stddev(x;1) is |x - 1| / 2, which goes from 1 towards 1/3.
TEST(Statistics, NestedDeviationsTakeLinearWork) {
    std::u16string text = u"1";
    for (int depth = 0; depth < 40; ++depth) text = u"stddev(" + text + u";1)";
    const auto outcome = evaluate(text);
    ASSERT_TRUE(outcome.value.has_value());
    EXPECT_NEAR(outcome.value->doubleValue(), 1.0 / 3, 1e-9);
}

// The arguments a function "tick" was given while `text` was evaluated; it returns each.
std::string ticksOf(std::u16string_view text, bool precise) {
    MXMathEvaluator evaluator;
    evaluator.setUsesHighPrecisionEvaluation(precise);
    std::string ticks;
    evaluator.registerFunction(
        [&ticks](const std::vector<MXExpressionPtr>& arguments, const MXSubstitutions* substitutions,
                 MXMathEvaluator& calling, MXError* error) -> MXExpressionPtr {
            const auto value = calling.evaluateExpression(arguments.at(0), substitutions, error);
            if (value) ticks += utf8(value->description()) + " ";
            return value ? MXExpression::numberExpressionWithNumber(value) : nullptr;
        },
        u"tick");
    static_cast<void>(evaluator_test::evaluateText(evaluator, text));
    return ticks;
}

TEST(ArgumentEvaluation, ArgumentsAreEvaluatedInTheirOrderAndAsOftenAsTheBuiltInNeeds) {
    const std::pair<const char16_t*, const char*> cases[] = {
        // The deviations evaluate every argument once.
        {u"stddev(tick(1);tick(3))", "1 3 "}, {u"median(tick(3);tick(1);tick(2))", "3 1 2 "},
        {u"dtor(tick(1);tick(2);tick(3))", "1 2 3 "}, {u"haversin(tick(0))", "0 "},
        // The index of a root comes before the radicand.
        {u"sqrt(tick(8);tick(3))", "3 8 "},
        // The base of a percentage is evaluated once: the percentage finds the sum's value of it.
        {u"subtract(tick(200);percent(tick(10)))", "200 10 "},
        // count evaluates nothing.
        {u"count(tick(1);tick(2))", ""},
    };
    for (const bool precise : {false, true}) {
        for (const auto& [text, ticks] : cases) EXPECT_EQ(ticksOf(text, precise), ticks) << utf8(text) << precise;
    }
}

}  // namespace
