// Switching precision, the result kinds of some overrides, and the built-ins the decimal
// library inherits.
#include "tests/functions/precision_support.h"

namespace {

using namespace precision_test;
constexpr auto Double = MXNumberKind::Double;
constexpr auto Decimal = MXNumberKind::Decimal;
constexpr auto Int64 = MXNumberKind::Int64;
constexpr auto Int32 = MXNumberKind::Int32;

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
        {u"count(1;2)", Decimal, 2}, {u"varxi(7)", Decimal, 7}, {u"varxi(ln(0))", Double, -builtins_test::infinity},
        {u"varxi(and(6;3))", Int64, 2},
    };
    for (const auto& c : cases) expectNumber(c);
}

TEST(PreciseInherited, ReceiveDecimalNumbersAndCompareThemExactly) {
    const ValueCase cases[] = {
        // 0.1 + 0.2 is exactly 0.3 in decimals, unlike in doubles.
        {u"l_eq(0.1+0.2;0.3)", Int32, 1},
        {u"l_lt(1/3;0.33333333333333333333333333333333333334)", Int32, 1},
        {u"l_gt(1/3;0.33333333333333333333333333333333333332)", Int32, 1},
        {u"l_and(0.1;2)", Int32, 1}, {u"l_not(1e-100)", Int32, 0}, {u"and(6;3)", Int64, 2}, {u"xor(5.9;1)", Int64, 4},
        {u"not(0)", Int64, -1}, {u"round(2.5)", Double, 3}, {u"random(1;2)", Int64, 1},
    };
    for (const auto& c : cases) expectNumber(c);
    // min and max return the argument's own number: here the decimal 0.1, not a double.
    expectDecimals({{u"min(0.2;0.1;0.3)", "0.1"}, {u"max(1/3;0.3)", "0.33333333333333333333333333333333333333"}});
    expectNumber({u"min(9;ln(0);1)", Double, -builtins_test::infinity});
}

}  // namespace
