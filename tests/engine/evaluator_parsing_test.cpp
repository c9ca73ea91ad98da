#include <gtest/gtest.h>

#include <cmath>

#include "engine/evaluator/MXMathParsing.h"
#include "engine/operators/MXMathOperatorSet.h"
#include "platform/log/MXLog.h"
#include "tests/engine/evaluator_support.h"

namespace {

using namespace evaluator_test;

TEST(MathParsing, EvaluatesWithTheDefaultEvaluator) {
    MXLogCapture log;
    const auto infinite = MXNumberByEvaluatingString(u"1/0");
    ASSERT_TRUE(infinite.has_value());
    EXPECT_EQ(infinite->kind(), MXNumberKind::Double);
    EXPECT_TRUE(std::isinf(infinite->doubleValue()) && infinite->doubleValue() > 0);

    const MXSubstitutions substitutions{{u"x", MXNumber(4.0)}};
    const auto substituted = MXNumberByEvaluatingString(u"$x*$x", &substitutions);
    ASSERT_TRUE(substituted.has_value());
    EXPECT_DOUBLE_EQ(substituted->doubleValue(), 16);
    EXPECT_TRUE(log.lines().empty());
}

TEST(MathParsing, LogsFailuresOfTheFormsWithoutErrorSlot) {
    MXMathEvaluator evaluator;
    const auto failing = {
        +[](MXMathEvaluator&) { return MXNumberByEvaluatingString(u"1+"); },
        +[](MXMathEvaluator& own) { return own.evaluateString(u"1+"); },
    };
    for (const auto& evaluate : failing) {
        MXLogCapture log;
        EXPECT_FALSE(evaluate(evaluator).has_value());
        ASSERT_EQ(log.lines().size(), 1u);
        MXError expected;
        MXNumberByEvaluatingString(u"1+", nullptr, &expected);
        EXPECT_EQ(log.lines()[0], "error: " + MXToUtf8(expected.description()));
    }
}

TEST(MathParsing, ErrorFormFillsTheSlotAndLogsNothing) {
    MXLogCapture log;
    MXError error;
    EXPECT_FALSE(MXNumberByEvaluatingString(u"$nowhere", nullptr, &error).has_value());
    EXPECT_EQ(error.code(), MXErrorCodeUnresolvedVariable);
    EXPECT_FALSE(MXNumberByEvaluatingString(u"$nowhere", nullptr, nullptr).has_value());
    MXMathEvaluator evaluator;
    EXPECT_FALSE(evaluator.evaluateString(u"foo(", nullptr, nullptr).has_value());
    EXPECT_TRUE(log.lines().empty());
}

TEST(MathParsing, TextIsTokenizedWithTheEvaluatorsOperatorSet) {
    MXMathEvaluator percent;
    const auto ownSet = MXMathOperatorSet::defaultOperatorSet()->copy();
    ownSet->setInterpretsPercentSignAsModulo(false);
    percent.setOperatorSet(ownSet);
    expectValue(evaluateText(percent, u"50+10%"), 55, "percent set");
    const MXSubstitutions substitutions{{u"x", std::u16string(u"200-10%")}};
    expectValue(evaluateText(percent, u"$x", &substitutions), 180, "substitution text");

    MXMathEvaluator modulo;
    EXPECT_EQ(modulo.operatorSet(), MXMathOperatorSet::defaultOperatorSet());
    ASSERT_TRUE(modulo.operatorSet()->interpretsPercentSignAsModulo());
    expectValue(evaluateText(modulo, u"7%3"), 1, "modulo set");
    EXPECT_FALSE(evaluateText(modulo, u"50+10%").value.has_value());
}

}  // namespace
