// Which built-ins the decimal library computes itself, their argument counts and result
// kinds, and the inherited built-ins receiving decimal numbers.
#include <algorithm>
#include <set>
#include <string>

#include "functions/precision/MXPrecisionFunctionEvaluator.h"
#include "tests/functions/precision_support.h"

namespace {

using namespace precision_test;
constexpr auto Double = MXNumberKind::Double;
constexpr auto Decimal = MXNumberKind::Decimal;
constexpr auto Int64 = MXNumberKind::Int64;
constexpr auto Int32 = MXNumberKind::Int32;

const std::set<std::u16string> kInherited = {
    u"and", u"or", u"not", u"xor", u"min", u"max", u"round", u"rnd", u"random",
    u"l_and", u"l_or", u"l_not", u"l_eq", u"l_neq", u"l_lt", u"l_gt", u"l_ltoe", u"l_gtoe",
};

TEST(PreciseDispatch, OverridesEveryBuiltInButTheEighteenInheritedOnes) {
    const auto& own = detail::MXPrecisionBuiltinTable();
    for (const std::u16string& name : detail::MXFunctionEvaluator::standardFunctions()) {
        SCOPED_TRACE(MXToUtf8(name));
        EXPECT_NE(own.contains(name), kInherited.contains(name));
    }
    for (const auto& [name, builtin] : own) {
        EXPECT_TRUE(detail::MXFunctionEvaluator::isStandardFunction(name)) << MXToUtf8(name);
    }
}

TEST(PreciseDispatch, SwitchingBackRestoresDoublePrecision) {
    MXMathEvaluator evaluator;
    evaluator.setUsesHighPrecisionEvaluation(true);
    const auto precise = evaluator.evaluateString(u"0.1+0.2", nullptr, nullptr);
    ASSERT_TRUE(precise.has_value());
    EXPECT_EQ(precise->kind(), Decimal);
    evaluator.setUsesHighPrecisionEvaluation(false);
    const auto plain = evaluator.evaluateString(u"0.1+0.2", nullptr, nullptr);
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->kind(), Double);
    EXPECT_EQ(plain->doubleValue(), decimal_test::atRunTime(0.1) + decimal_test::atRunTime(0.2));
}

TEST(PreciseDispatch, NamesAreMatchedWithoutRegardToCase) {
    expectDecimals({{u"SQRT(0.25)", "0.5"}, {u"Sin(0)", "0"}, {u"PI()", "3.1415926535897932384626433832795028842"}});
}

TEST(PreciseResultKinds, SomeOverridesKeepTheDoubleBehaviour) {
    const ValueCase cases[] = {
        {u"ln(2)", Double, std::log(decimal_test::atRunTime(2.0))},
        {u"log(1000)", Double, 3},
        {u"log(8;2)", Double, 3},
        {u"log2(8)", Double, 3},
        {u"exp(0)", Double, 1},
        {u"count(1;2)", Decimal, 2},
        {u"varxi(7)", Decimal, 7},
        {u"varxi(ln(1))", Double, 0},
        {u"varxi(and(6;3))", Int64, 2},
    };
    for (const auto& c : cases) expectNumber(c);
}

TEST(PreciseInherited, ReceiveDecimalNumbersAndCompareThemExactly) {
    const ValueCase cases[] = {
        // 0.1 + 0.2 is exactly 0.3 in decimals, unlike in doubles.
        {u"l_eq(0.1+0.2;0.3)", Int32, 1},
        {u"l_neq(0.1+0.2;0.3)", Int32, 0},
        {u"l_lt(1/3;0.33333333333333333333333333333333333334)", Int32, 1},
        {u"l_gt(1/3;0.33333333333333333333333333333333333332)", Int32, 1},
        {u"l_ltoe(1/3;1/3)", Int32, 1},
        {u"l_gtoe(0.1;0.2)", Int32, 0},
        {u"l_and(0.1;2)", Int32, 1},
        {u"l_or(0;1e-100)", Int32, 1},
        {u"l_not(1e-100)", Int32, 0},
        {u"and(6;3)", Int64, 2},
        {u"or(4.9;1)", Int64, 5},
        {u"xor(5.9;1)", Int64, 4},
        {u"not(0)", Int64, -1},
        {u"round(2.5)", Double, 3},
        {u"round(3.14159;2)", Double, 3.14},
        {u"random(1;2)", Int64, 1},
        {u"rnd(5;6)", Int64, 5},
    };
    for (const auto& c : cases) expectNumber(c);
    // min and max return the argument's own number: here the decimal 0.1, not a double.
    expectDecimals({{u"min(0.2;0.1;0.3)", "0.1"}, {u"max(1/3;0.3)", "0.33333333333333333333333333333333333333"}});
    expectNumber({u"min(9;ln(2);1)", Double, std::log(decimal_test::atRunTime(2.0))});
}

struct CountCase {
    std::u16string text;
    std::u16string message;
};

TEST(PreciseArgumentCounts, FailWithTheFullOperationNameBeforeEvaluatingAnything) {
    const CountCase cases[] = {
        {u"pi(1)", u"pi:variables:error: requires 0 arguments"},
        {u"tau($x)", u"tau:variables:error: requires 0 arguments"},
        {u"varx(1)", u"varx:variables:error: requires 0 arguments"},
        {u"sin(1;2)", u"sin:variables:error: requires 1 argument"},
        {u"sin()", u"sin:variables:error: requires 1 argument"},
        {u"asinh($a;$b)", u"asinh:variables:error: requires 1 argument"},
        {u"haversin(1;2)", u"haversin:variables:error: requires 1 argument"},
        {u"factorial()", u"factorial:variables:error: requires 1 argument"},
        {u"percent(1;2)", u"percent:variables:error: requires 1 argument"},
        {u"rtod()", u"rtod:variables:error: requires 1 argument"},
        {u"varxi()", u"varxi:variables:error: requires 1 argument"},
        {u"add(1)", u"add:variables:error: requires 2 arguments"},
        {u"modulo(1;2;3)", u"mod:variables:error: requires 2 arguments"},
        {u"rshift($a)", u"rshift:variables:error: requires 2 arguments"},
        {u"sqrt()", u"sqrt:variables:error: requires 1 argument"},
        {u"sqrt(1;2;3)", u"sqrt:variables:error: requires 2 arguments"},
        {u"nthroot()", u"nthroot:variables:error: requires 1 argument"},
        {u"nthroot(1;2;3)", u"nthroot:variables:error: requires 2 arguments"},
        {u"log()", u"log:variables:error: requires 1 argument"},
        {u"log(1;2;3)", u"log:variables:error: requires 2 arguments"},
        {u"dtor()", u"dtor:variables:error: requires 1 argument"},
        {u"dtor(1;2;3;4)", u"dtor:variables:error: requires 3 arguments"},
        {u"sum()", u"sum:variables:error: requires at least 1 argument"},
        {u"mode()", u"mode:variables:error: requires at least 1 argument"},
        {u"count()", u"count:variables:error: requires at least 1 argument"},
        {u"average(5)", u"average:variables:error: requires at least 2 arguments"},
        {u"mean($x)", u"average:variables:error: requires at least 2 arguments"},
        {u"median(5)", u"median:variables:error: requires at least 2 arguments"},
        {u"stddev(5)", u"stddev:variables:error: requires at least 2 arguments"},
        {u"stddevs(5)", u"stddevs:variables:error: requires at least 2 arguments"},
        // Inherited built-ins keep their own messages.
        {u"min(4)", u"min:variables:error: requires at least 2 arguments"},
        {u"round()", u"round:variables:error: requires 1 argument"},
        {u"random(1;2;3)", u"random() may only have up to 2 arguments"},
        {u"rnd(1;2;3)", u"random() may only have up to 2 arguments"},
    };
    for (const auto& c : cases) expectFailure(c.text, MXErrorCodeInvalidArgumentCount, c.message);
}

}  // namespace
