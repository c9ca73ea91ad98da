#pragma once
// The shape shared by the trigonometric built-ins: one argument, taken as radians (converted
// from degrees in degree mode) or as is, and a result returned plain or converted to degrees.
#include <cmath>

#include "functions/angle/MXAngleUnits.h"
#include "functions/double/MXDoubleSupport.h"

namespace mxcalc::detail {

enum class MXAngleRoute {
    ArgumentToRadians,  // the argument is an angle
    ResultToDegrees,    // the result is an angle
};

// Values this close to zero are rounding noise of sin, cos and tan.
inline double flushedToZero(double value) { return std::fabs(value) < 1e-15 ? 0.0 : value; }

template <MXBuiltinName Name, MXAngleRoute Route, auto Compute>
MXExpressionPtr angleBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                             const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(Name.view(), arguments.size(), 1, 1, error)) return nullptr;
    const MXMathEvaluator* evaluator = library.evaluator();
    MXExpressionPtr argument = arguments[0];
    if constexpr (Route == MXAngleRoute::ArgumentToRadians) {
        argument = MXDTOR(argument, evaluator, error);
        if (!argument) return nullptr;
    }
    const std::optional<MXNumber> value = library.evaluateArgument(argument, substitutions, error);
    if (!value) return nullptr;
    MXExpressionPtr result = numberResult(MXNumber(Compute(value->doubleValue())));
    if constexpr (Route == MXAngleRoute::ResultToDegrees) return MXRTOD(result, evaluator, error);
    return result;
}

// A function of an angle.
template <MXBuiltinName Name, auto Compute>
constexpr MXBuiltinEntry ofAngleEntry() {
    return {Name.view(), &angleBuiltin<Name, MXAngleRoute::ArgumentToRadians, Compute>};
}

// A function giving an angle.
template <MXBuiltinName Name, auto Compute>
constexpr MXBuiltinEntry toAngleEntry() {
    return {Name.view(), &angleBuiltin<Name, MXAngleRoute::ResultToDegrees, Compute>};
}

}  // namespace mxcalc::detail
