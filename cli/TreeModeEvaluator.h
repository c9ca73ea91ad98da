#pragma once
// The evaluator that --simplify and --rewrite fold numbers with: its defaults apart from the
// angle unit and precision chosen on the command line.
#include "cli/MxcalcModes.h"
#include "engine/evaluator/MXMathEvaluator.h"

inline MXMathEvaluator& treeModeEvaluator(const MxcalcOptions& options) {
    static MXMathEvaluator evaluator;
    evaluator.setAngleMeasurementMode(options.degrees ? MXAngleMeasurementModeDegrees : MXAngleMeasurementModeRadians);
    evaluator.setUsesHighPrecisionEvaluation(options.precise);
    return evaluator;
}
