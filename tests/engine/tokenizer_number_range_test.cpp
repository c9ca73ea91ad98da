#include <gtest/gtest.h>

#include <cmath>

#include "engine/evaluator/MXMathEvaluator.h"
#include "platform/log/MXLog.h"

namespace {

struct RangeCase {
    const char16_t* text;
    double expected;
};

// Numerals the 38-digit decimal cannot hold are read as doubles, never as 0.
TEST(NumeralRange, NumeralsBeyondTheDecimalRangeKeepTheirValue) {
    const RangeCase cases[] = {
        {u"1e300", 1e300},
        {u"2e300*2", 4e300},
        {u"1e-200", 1e-200},
        {u"0.5e-130*2", 1e-130},
        {u"1e999", INFINITY},
        {u"0e999", 0},
        {u"1e100", 1e100},
    };
    MXMathEvaluator evaluator;
    for (const auto& c : cases) {
        MXLogCapture log;
        MXError error;
        const auto value = evaluator.evaluateString(c.text, nullptr, &error);
        ASSERT_TRUE(value.has_value()) << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
        EXPECT_DOUBLE_EQ(value->doubleValue(), c.expected);
        EXPECT_FALSE(log.contains("supposedly invalid number"));
    }
}

}  // namespace
