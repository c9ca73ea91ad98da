#pragma once
// The evaluator of every mode that computes (evaluation, --simplify, --rewrite): its
// defaults apart from the angle unit and precision chosen on the command line, with varx
// and nthroot's flag kept in the settings stores as the keyboard keeps them.
#include <memory>

#include "cli/MxcalcModes.h"
#include "engine/evaluator/MXMathEvaluator.h"
#include "keyboard/KeyboardStoredValues.h"

inline MXMathEvaluator& commandLineEvaluator(const MxcalcOptions& options) {
    static MXMathEvaluator evaluator;
    if (!evaluator.storedValues()) evaluator.setStoredValues(std::make_shared<KeyboardStoredValues>());
    evaluator.setAngleMeasurementMode(options.degrees ? MXAngleMeasurementModeDegrees : MXAngleMeasurementModeRadians);
    evaluator.setUsesHighPrecisionEvaluation(options.precise);
    return evaluator;
}
