#include "functions/precision/MXPrecisionSupport.h"

#include "functions/angle/MXAngleUnits.h"
#include "functions/decimal/MXDecimalDetail.h"

namespace mxcalc::detail {

MXExpressionPtr decimalResult(const MXDecimalRecord& value) {
    return numberResult(MXNumber::numberWithDecimal(value));
}

MXDecimalRecord heldDecimal(const MXNumber& number) {
    const MXDecimalRecord decimal = number.decimalValue();
    const bool held = number.kind() != MXNumberKind::Double || MXDoubleFromDecimal(decimal) == number.doubleValue();
    return held ? decimal : MXDecimalNAN();
}

MXNumber decimalOrDouble(const MXDecimalRecord& decimal, double fallback) {
    // The smallest magnitude that keeps all 38 digits.
    constexpr int kSmallestFullExponent = -91;
    const bool full = decimal.isZero()
        ? fallback == 0
        : !decimal.isNaN && MXDecimalLeadingExponent(decimal) >= kSmallestFullExponent;
    return full ? MXNumber::numberWithDecimal(decimal) : MXNumber(fallback);
}

MXDecimalRecord resultRecord(const MXExpressionPtr& result) {
    if (result->expressionType() != MXExpressionTypeNumber || !result->number()) return MXDecimalZero();
    return result->number()->decimalValue();
}

std::optional<MXDecimalRecord> evaluateDecimal(MXFunctionEvaluator& library, const MXExpressionPtr& argument,
                                               const MXSubstitutions* substitutions, MXError* error) {
    const std::optional<MXNumber> value = library.evaluateArgument(argument, substitutions, error);
    if (!value) return std::nullopt;
    return value->decimalValue();
}

std::optional<MXDecimalRecord> evaluateRadians(MXFunctionEvaluator& library, const MXExpressionPtr& argument,
                                               const MXSubstitutions* substitutions, MXError* error) {
    const MXExpressionPtr radians = MXDTOR(argument, library.evaluator(), error);
    if (!radians) return std::nullopt;
    return evaluateDecimal(library, radians, substitutions, error);
}

MXExpressionPtr angleResult(const MXFunctionEvaluator& library, const MXDecimalRecord& radians, MXError* error) {
    return MXRTOD(decimalResult(radians), library.evaluator(), error);
}

MXExpressionPtr callOwnBuiltin(MXFunctionEvaluator& library, std::u16string_view name,
                               const MXBuiltinArguments& arguments, const MXSubstitutions* substitutions,
                               MXError* error) {
    return library.findBuiltin(name)(library, arguments, substitutions, error);
}

}  // namespace mxcalc::detail
