// abs, round, random and rnd in doubles.
#include <cstdint>
#include <map>

#include "tests/support/builtin_evaluation.h"

namespace {

using namespace builtins_test;

// abs keeps whole numbers integers; round is symmetric with halves away from zero.
TEST(DoubleRounding, AbsAndRound) {
    const ValueCase cases[] = {
        {u"abs(not(5))", Int64, 6}, {u"abs(lshift(1;63))", UInt64, 9223372036854775808.0},
        {u"abs(factorial(20))", UInt64, 2432902008176640000.0}, {u"abs(-pow(10;300))", Double, 1e300},
        {u"abs(0/0)", Double, notANumber}, {u"round(2.5)", Double, 3}, {u"round(-3.14159;2)", Double, -3.14},
        // The fixed-point text of the binary value decides: 2.675 is stored a little below.
        {u"round(2.675;2)", Double, 2.67}, {u"round(1234.5678;-1)", Double, 1235}, {u"round(2.5;0.9)", Double, 3},
        {u"round(0.1;5000)", Double, 0.1}, {u"round(pow(10;300);3)", Double, 1e300},
        {u"round(-1/0;2)", Double, -infinity}, {u"round(0/0)", Double, 0},
    };
    for (const auto& c : cases) expectValue(c);
}

struct RandomRange {
    std::u16string text;
    int64_t lowest;
    int64_t highest;
    // Small ranges must show every value, each about equally often.
    bool everyValue;
};

constexpr int kDraws = 3000;

void expectDrawsWithin(const RandomRange& range) {
    SCOPED_TRACE(utf8(range.text));
    MXMathEvaluator evaluator;
    std::map<int64_t, int> seen;
    for (int draw = 0; draw < kDraws; ++draw) {
        const auto outcome = evaluator_test::evaluateText(evaluator, range.text);
        ASSERT_TRUE(outcome.value.has_value());
        ASSERT_EQ(outcome.value->kind(), Int64);
        const int64_t value = outcome.value->longLongValue();
        ASSERT_GE(value, range.lowest);
        ASSERT_LE(value, range.highest);
        ++seen[value];
    }
    if (range.everyValue) {
        const int64_t values = range.highest - range.lowest + 1;
        EXPECT_EQ(seen.size(), static_cast<size_t>(values));
        for (const auto& [value, count] : seen) EXPECT_NEAR(count, kDraws / values, kDraws / values / 5) << value;
    } else {
        EXPECT_GT(seen.size(), static_cast<size_t>(kDraws / 2));
    }
}

TEST(DoubleRandom, DrawsWithinTheRangeOfEachForm) {
    const RandomRange ranges[] = {
        {u"random()", 0, 4294967294, false}, {u"random(6)", 0, 5, true}, {u"random(-5)", 0, 4294967290, false},
        // Only the low 32 bits of a single bound count; here they are 0.
        {u"random(4294967296)", 0, 0, true}, {u"random(1;7)", 1, 6, true}, {u"random(-3;2)", -3, 1, true},
        {u"random(4294967296;4294967299)", 4294967296, 4294967298, true},
        {u"random(10;4294967301)", 10, 4294967300, false},
        {u"random(-9e18;9e18)", -9000000000000000000, 8999999999999999999, false},
        {u"random(5;5)", 5, 4294967294, false},
        // A reversed pair whose lower bound lies beyond the 32-bit range gives that bound.
        {u"random(4294967295;3)", 4294967295, 4294967295, true},
    };
    for (const auto& range : ranges) expectDrawsWithin(range);
}

}  // namespace
