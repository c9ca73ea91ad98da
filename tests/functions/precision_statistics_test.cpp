// sum, average, mode, count, median, stddev and stddevs with high precision on, and the
// order of argument evaluation in both precisions.
#include <string>
#include <vector>

#include "tests/functions/precision_support.h"

namespace {

using namespace precision_test;
constexpr auto Double = MXNumberKind::Double;

TEST(PreciseStatistics, ComputeInDecimals) {
    expectDecimals({
        {u"sum(0.1;0.2)", "0.3"}, {u"sum(1e30;1;-1e30)", "1"}, {u"avg(0.1;0.2;0.3)", "0.2"},
        {u"average(1;2;2)", "1.6666666666666666666666666666666666667"},
        // A double winner of mode becomes the decimal of the digits it prints as.
        {u"mode(1;2;2)", "2"}, {u"mode(round(2/3;5);1;round(2/3;5))", "0.66667"},
        // The sum of the two middle numbers is rounded to 38 digits before it is halved.
        {u"median(3;1;2)", "2"}, {u"median(4;1;3;2)", "2.5"},
        {u"median(1;1/3)", "0.66666666666666666666666666666666666665"},
        // Deviations are square roots of exact squares.
        {u"stddev(2;4;4;4;5;5;7;9)", "2"},
        {u"stddevs(2;4;4;4;5;5;7;9)", "2.1380899352993950774764278470380281724320113187307", 37},
        {u"stddevs(0.1;0.3)", "0.14142135623730950488016887242096980785696718753769", 37},
    });
    // The median of an odd count is the middle number as the evaluator made it.
    expectNumber({u"median(9;round(2/3;5);0)", Double, 0.66667});
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
            if (value) ticks += MXToUtf8(value->description()) + " ";
            return value ? MXExpression::numberExpressionWithNumber(value) : nullptr;
        },
        u"tick");
    MXError error;
    static_cast<void>(evaluator.evaluateString(text, nullptr, &error));
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
        // count evaluates nothing, and neither does a call with the wrong count.
        {u"count(tick(1);tick(2))", ""}, {u"sin(tick(1);tick(2))", ""}, {u"stddev(tick(1))", ""},
    };
    for (const bool precise : {false, true}) {
        for (const auto& [text, ticks] : cases) EXPECT_EQ(ticksOf(text, precise), ticks) << MXToUtf8(text) << precise;
    }
}

}  // namespace
