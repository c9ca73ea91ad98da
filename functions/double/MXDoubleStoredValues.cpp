// varx, the value the containing application shares, and varxi, its argument unchanged.
#include "functions/double/MXDoubleThemes.h"
#include "functions/double/MXImaginaryFlag.h"

namespace mxcalc::detail {
namespace {

// Read afresh on every call: the containing application may change it at any time.
MXExpressionPtr varxBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                            const MXSubstitutions* /*substitutions*/, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"varx", arguments.size(), 0, 0, error)) return nullptr;
    return MXExpression::numberExpressionWithNumber(MXNumber(sharedVariableValue(library)));
}

}  // namespace

MXBuiltinEntries storedValueBuiltins() {
    return {
        {u"varx", &varxBuiltin},
        exactEntry<u"varxi", 1, [](const MXNumbers& values) { return values[0]; }>(),
    };
}

}  // namespace mxcalc::detail
