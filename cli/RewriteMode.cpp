// --rewrite: the tree after the default rewrite rules. Only a parse failure fails the input:
// the rewriter ignores evaluation errors met while simplifying.
#include "cli/MxcalcModes.h"
#include "cli/CommandLineEvaluator.h"
#include "engine/expression/MXExpression.h"
#include "platform/text/MXText.h"

LineResult rewriteLine(const std::u16string& input, const MxcalcOptions& options) {
    MXError error;
    const MXExpressionPtr expression = MXExpression::expressionFromString(input, &error);
    if (!expression) return errorLine(error);
    return {MXToUtf8(commandLineEvaluator(options).expressionByRewritingExpression(expression)->description()), true};
}
