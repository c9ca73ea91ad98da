// The default mode: the value of the expression, computed by an evaluator with its defaults
// apart from the angle unit and precision chosen on the command line.
#include "cli/CommandLineEvaluator.h"
#include "platform/text/MXText.h"

LineResult evaluateLine(const std::u16string& input, const MxcalcOptions& options) {
    MXError error;
    // A number counts even when an optional argument left its error in the slot.
    const std::optional<MXNumber> value = commandLineEvaluator(options).evaluateString(input, nullptr, &error);
    if (!value) return errorLine(error);
    return {MXToUtf8(value->description()), true};
}
