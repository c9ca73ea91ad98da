// --simplify: the tree with every call whose arguments are all numbers folded into a number.
// An evaluation error met while folding fails the input, as simplifiedExpression has it.
#include "cli/MxcalcModes.h"
#include "cli/CommandLineEvaluator.h"
#include "engine/expression/MXExpression.h"
#include "platform/text/MXText.h"

LineResult simplifyLine(const std::u16string& input, const MxcalcOptions& options) {
    MXError error;
    const MXExpressionPtr expression = MXExpression::expressionFromString(input, &error);
    if (!expression) return errorLine(error);
    const MXExpressionPtr simplified = expression->simplifiedExpressionWithEvaluator(&commandLineEvaluator(options), &error);
    if (!simplified || !error.isEmpty()) return errorLine(error);
    return {MXToUtf8(simplified->description()), true};
}
