// sum, average, mode, count, median, stddev and stddevs with high precision on.
#include <cmath>
#include <string>
#include <vector>

#include "tests/functions/precision_support.h"

namespace {

using namespace precision_test;
constexpr auto Double = MXNumberKind::Double;
constexpr auto Decimal = MXNumberKind::Decimal;

TEST(PreciseStatistics, SumsAndMeansAreDecimal) {
    expectDecimals({
        {u"sum(0.1;0.2)", "0.3"},
        {u"sum(5)", "5"},
        {u"sum(1e30;1;-1e30)", "1"},
        {u"average(1;2)", "1.5"},
        {u"average(1;2;2)", "1.6666666666666666666666666666666666667"},
        {u"avg(0.1;0.2;0.3)", "0.2"},
        {u"mean(2;4;9)", "5"},
    });
}

TEST(PreciseStatistics, ModeIsTheOneValueSeenMostOftenReadAgainAsADecimal) {
    expectDecimals({
        {u"mode(1;2;2)", "2"},
        {u"mode(2;1;2;3)", "2"},
        {u"mode(3;3;3;1;1)", "3"},
        // A double winner becomes the decimal of the digits it prints as.
        {u"mode(2^0.5;1;2^0.5)", "1.4142135623730951"},
        {u"mode(ln(2);ln(2);1)", "0.6931471805599453"},
    });
    for (const char16_t* text : {u"mode(1;2;2;3;3)", u"mode(1;2;3)", u"mode(7)"}) {
        expectFailure(text, MXErrorCodeInvalidFunctionReturnType, u"invalid return type from mode function");
    }
}

TEST(PreciseStatistics, CountCountsWithoutEvaluating) {
    expectDecimals({{u"count(1;2;3)", "3"}, {u"count($a;$b)", "2"}, {u"count(1/0)", "1"}});
}

TEST(PreciseStatistics, MedianOfAnOddCountIsTheMiddleNumberAsTheEvaluatorMadeIt) {
    expectDecimals({
        {u"median(3;1;2)", "2"},
        {u"median(5;1;3)", "3"},
        {u"median(4;1;3;2)", "2.5"},
        {u"median(0.1;0.2)", "0.15"},
        // The sum of the two middle numbers is rounded to 38 digits before it is halved.
        {u"median(1;1/3)", "0.66666666666666666666666666666666666665"},
    });
    const ValueCase cases[] = {
        {u"median(9;ln(2);0)", Double, std::log(decimal_test::atRunTime(2.0))},
        {u"median(9;factorial(2.5);0)", Double, std::tgamma(decimal_test::atRunTime(3.5))},
        {u"median(9;2;0)", Decimal, 2},
    };
    for (const auto& c : cases) expectNumber(c);
}

TEST(PreciseStatistics, DeviationsAreSquareRootsOfExactSquares) {
    expectDecimals({
        {u"stddev(2;4;4;4;5;5;7;9)", "2"},
        {u"stddevs(2;4;4;4;5;5;7;9)", "2.1380899352993950774764278470380281724320113187307", 37},
        {u"stddev(1;1)", "0"},
        {u"stddevs(0.1;0.3)", "0.14142135623730950488016887242096980785696718753769", 37},
    });
}

TEST(PreciseStatistics, AFailingArgumentEndsTheCall) {
    for (const char16_t* text : {u"sum(1;$x)", u"average(1;$x)", u"mode(1;$x)", u"median(1;$x)", u"stddev($x;1)",
                                 u"stddevs(1;$x)"}) {
        expectFailure(text, MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $x");
    }
}

// An evaluator with high precision on and a function "tick" that notes each argument it
// is given and returns it.
class CountedEvaluations : public ::testing::Test {
protected:
    void SetUp() override {
        evaluator_.setUsesHighPrecisionEvaluation(true);
        evaluator_.registerFunction(
            [this](const std::vector<MXExpressionPtr>& arguments, const MXSubstitutions* substitutions,
                   MXMathEvaluator& evaluator, MXError* error) -> MXExpressionPtr {
                const auto value = evaluator.evaluateExpression(arguments.at(0), substitutions, error);
                if (value) ticks_ += MXToUtf8(value->description()) + " ";
                return value ? MXExpression::numberExpressionWithNumber(value) : nullptr;
            },
            u"tick");
    }

    std::string ticksOf(std::u16string_view text) {
        ticks_.clear();
        MXError error;
        static_cast<void>(evaluator_.evaluateString(text, nullptr, &error));
        return ticks_;
    }

    MXMathEvaluator evaluator_;
    std::string ticks_;
};

// A text and the arguments "tick" saw, in the order it saw them.
struct TickCase {
    std::u16string text;
    std::string ticks;
};

TEST_F(CountedEvaluations, ArgumentsAreEvaluatedInTheirOrderAndAsOftenAsTheBuiltInNeeds) {
    const TickCase cases[] = {
        // The deviations evaluate every argument once.
        {u"stddev(tick(1);tick(3))", "1 3 "},
        {u"stddevs(tick(1);tick(3))", "1 3 "},
        {u"average(tick(1);tick(3))", "1 3 "},
        {u"median(tick(3);tick(1);tick(2))", "3 1 2 "},
        {u"add(tick(1);tick(2))", "1 2 "},
        {u"dtor(tick(1);tick(2);tick(3))", "1 2 3 "},
        {u"haversin(tick(0))", "0 "},
        // The index of a root comes before the radicand.
        {u"sqrt(tick(8);tick(3))", "3 8 "},
        // The base of a percentage is evaluated by the sum and again by the percentage.
        {u"subtract(tick(200);percent(tick(10)))", "200 200 10 "},
        // count evaluates nothing, and neither does a call with the wrong count.
        {u"count(tick(1);tick(2))", ""},
        {u"sin(tick(1);tick(2))", ""},
        {u"stddev(tick(1))", ""},
        {u"haversin(tick(1);tick(2))", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ticksOf(c.text), c.ticks) << MXToUtf8(c.text);
}

}  // namespace
