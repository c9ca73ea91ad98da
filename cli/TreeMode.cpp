#include "cli/MxcalcModes.h"
#include "engine/expression/MXExpression.h"
#include "platform/text/MXText.h"

LineResult treeLine(const std::u16string& input, const MxcalcOptions&) {
    MXError error;
    const MXExpressionPtr expression = MXExpression::expressionFromString(input, &error);
    if (!expression) return errorLine(error);
    return {MXToUtf8(expression->description()), true};
}
