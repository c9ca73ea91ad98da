// Text evaluation with the default evaluator and the evaluator's operator set; precision switched
// inside a running function.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/evaluator/MXMathParsing.h"
#include "engine/operators/MXMathOperatorSet.h"
#include "platform/log/MXLog.h"
#include "tests/support/evaluation_outcome.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

// Failures fill the error slot quietly; the forms without a slot log them instead.
TEST(MathParsing, EvaluatesWithTheDefaultEvaluatorAndLogsOnlyWithoutErrorSlot) {
    MXLogCapture log;
    const auto infinite = MXNumberByEvaluatingString(u"1/0", nullptr, nullptr);
    ASSERT_TRUE(infinite.has_value()) << "no domain errors";
    EXPECT_TRUE(std::isinf(infinite->doubleValue()) && infinite->doubleValue() > 0);
    MXError error;
    EXPECT_FALSE(MXNumberByEvaluatingString(u"$nowhere", nullptr, &error).has_value());
    EXPECT_EQ(error.code(), MXErrorCodeUnresolvedVariable);
    EXPECT_TRUE(log.lines().empty());
    MXMathEvaluator evaluator;
    EXPECT_FALSE(MXNumberByEvaluatingString(u"1+").has_value());
    EXPECT_FALSE(evaluator.evaluateString(u"1+").has_value());
    MXError expected;
    MXNumberByEvaluatingString(u"1+", nullptr, &expected);
    EXPECT_EQ(log.lines(), std::vector<std::string>(2, "error: " + MXToUtf8(expected.description())));
}

TEST(MathParsing, TextIsTokenizedWithTheEvaluatorsOperatorSet) {
    MXMathEvaluator percent;
    const auto ownSet = MXMathOperatorSet::defaultOperatorSet()->copy();
    ownSet->setInterpretsPercentSignAsModulo(false);
    percent.setOperatorSet(ownSet);
    const MXSubstitutions substitutions{{u"x", std::u16string(u"200-10%")}};
    expectValue(evaluateText(percent, u"$x", &substitutions), 180, "substitution text");
    MXMathEvaluator modulo;
    EXPECT_EQ(modulo.operatorSet(), MXMathOperatorSet::defaultOperatorSet());
    expectValue(evaluateText(modulo, u"7%3"), 1, "modulo set");
}

TEST(EvaluatorPrecision, SwitchingInsideAFunctionCallKeepsTheRunningLibrary) {
    MXMathEvaluator evaluator;
    ASSERT_TRUE(evaluator.registerFunction(
        [](const std::vector<MXExpressionPtr>& arguments, const MXSubstitutions* substitutions,
           MXMathEvaluator& self, MXError* error) -> MXExpressionPtr {
            self.setUsesHighPrecisionEvaluation(!self.usesHighPrecisionEvaluation());
            const auto value = self.evaluateExpression(arguments.at(0), substitutions, error);
            return value ? MXExpression::numberExpressionWithNumber(value) : nullptr;
        },
        u"flip"));
    expectValue(evaluateText(evaluator, u"sqrt(flip(flip(16)) + flip(9))"), 5, "nested switches");
    EXPECT_TRUE(evaluator.usesHighPrecisionEvaluation());
    expectValue(evaluateText(evaluator, u"flip(2)*3"), 6, "switch back");
    EXPECT_FALSE(evaluator.usesHighPrecisionEvaluation());
}

}  // namespace
