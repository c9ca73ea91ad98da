// percent: a share of the value it is added to or subtracted from, else of 1.
#include "functions/double/MXDoubleThemes.h"
#include "functions/double/MXPercentBase.h"

namespace mxcalc::detail {
namespace {

MXExpressionPtr percentBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                               const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"percent", arguments.size(), 1, 1, error)) return nullptr;
    double base = 1;
    if (const MXExpressionPtr baseNode = percentBase(arguments[0]->parentExpression())) {
        const std::optional<MXNumber> baseValue = library.evaluateArgument(baseNode, substitutions, error);
        if (!baseValue) return nullptr;
        base = baseValue->doubleValue();
    }
    const std::optional<MXNumber> share = library.evaluateArgument(arguments[0], substitutions, error);
    if (!share) return nullptr;
    return doubleResult(base * (share->doubleValue() / 100));
}

}  // namespace

MXBuiltinEntries percentBuiltins() { return {{u"percent", &percentBuiltin}}; }

}  // namespace mxcalc::detail
