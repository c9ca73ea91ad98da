#include <gtest/gtest.h>

#include <cmath>

#include "functions/library/MXFunctionEvaluator.h"
#include "functions/precision/MXPrecisionFunctionEvaluator.h"
#include "tests/engine/evaluator_support.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;

TEST(EvaluatorPrecision, EveryChangeCreatesAFreshLibraryAndOnlyThen) {
    MXMathEvaluator evaluator;
    EXPECT_FALSE(evaluator.usesHighPrecisionEvaluation());
    const detail::MXFunctionEvaluator* initial = &evaluator.functionEvaluator();
    EXPECT_EQ(dynamic_cast<const detail::MXPrecisionFunctionEvaluator*>(initial), nullptr);
    EXPECT_EQ(initial->evaluator(), &evaluator);

    evaluator.setUsesHighPrecisionEvaluation(false);
    EXPECT_EQ(&evaluator.functionEvaluator(), initial);

    evaluator.setUsesHighPrecisionEvaluation(true);
    EXPECT_TRUE(evaluator.usesHighPrecisionEvaluation());
    const detail::MXFunctionEvaluator* precise = &evaluator.functionEvaluator();
    EXPECT_NE(precise, initial);
    EXPECT_NE(dynamic_cast<const detail::MXPrecisionFunctionEvaluator*>(precise), nullptr);
    EXPECT_EQ(precise->evaluator(), &evaluator);

    evaluator.setUsesHighPrecisionEvaluation(true);
    EXPECT_EQ(&evaluator.functionEvaluator(), precise);

    evaluator.setUsesHighPrecisionEvaluation(false);
    EXPECT_FALSE(evaluator.usesHighPrecisionEvaluation());
    EXPECT_NE(&evaluator.functionEvaluator(), precise);
    EXPECT_EQ(dynamic_cast<const detail::MXPrecisionFunctionEvaluator*>(&evaluator.functionEvaluator()), nullptr);
    EXPECT_EQ(evaluator.functionEvaluator().evaluator(), &evaluator);
    const Outcome doubled = evaluateText(evaluator, u"1/3");
    ASSERT_TRUE(doubled.value.has_value());
    EXPECT_EQ(doubled.value->kind(), MXNumberKind::Double);
    evaluator.setUsesHighPrecisionEvaluation(true);
    const Outcome decimal = evaluateText(evaluator, u"1/3");
    ASSERT_TRUE(decimal.value.has_value());
    EXPECT_EQ(decimal.value->kind(), MXNumberKind::Decimal);
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

TEST(EvaluatorAngleMode, DefaultsToRadiansAndTrigonometryFollowsIt) {
    MXMathEvaluator evaluator;
    EXPECT_EQ(evaluator.angleMeasurementMode(), MXAngleMeasurementModeRadians);
    const Outcome radians = evaluateText(evaluator, u"sin(30)");
    evaluator.setAngleMeasurementMode(MXAngleMeasurementModeDegrees);
    EXPECT_EQ(evaluator.angleMeasurementMode(), MXAngleMeasurementModeDegrees);
    const Outcome degrees = evaluateText(evaluator, u"sin(30)");
    ASSERT_TRUE(radians.value && degrees.value);
    EXPECT_DOUBLE_EQ(radians.value->doubleValue(), std::sin(30.0));
    EXPECT_NEAR(degrees.value->doubleValue(), 0.5, 1e-15);
}

}  // namespace
