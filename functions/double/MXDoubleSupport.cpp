#include "functions/double/MXDoubleSupport.h"

namespace mxcalc::detail {

MXExpressionPtr numberResult(const MXNumber& number) { return MXExpression::numberExpressionWithNumber(number); }

MXExpressionPtr doubleResult(double value) { return numberResult(MXNumber(value)); }

MXExpressionPtr truthResult(bool value) { return numberResult(MXNumber::numberWithBool(value)); }

std::optional<MXNumbers> evaluateArguments(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                                           const MXSubstitutions* substitutions, MXError* error) {
    MXNumbers values;
    values.reserve(arguments.size());
    for (const MXExpressionPtr& argument : arguments) {
        std::optional<MXNumber> value = library.evaluateArgument(argument, substitutions, error);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

double evaluateOptional(MXFunctionEvaluator& library, const MXExpressionPtr& argument,
                        const MXSubstitutions* substitutions, MXError* error, double fallback) {
    const std::optional<MXNumber> value = library.evaluateArgument(argument, substitutions, error);
    return value ? value->doubleValue() : fallback;
}

}  // namespace mxcalc::detail
