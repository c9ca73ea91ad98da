// sin, cos, tan, their inverses, reciprocals and inverse reciprocals.
#include <cmath>
#include <numbers>

#include "functions/double/MXDoubleAngles.h"
#include "functions/double/MXDoubleThemes.h"

namespace mxcalc::detail {
namespace {

// Just below the tangent of the double nearest pi/2: larger tangents are taken as a pole.
constexpr double kTangentPole = 16331239353000000.0;

MXNumber tangentOf(double x) {
    const double tangent = std::tan(x);
    if (std::fabs(tangent) > kTangentPole) return MXNumber::numberWithDecimal(MXDecimalRecord::notANumber());
    return MXNumber(flushedToZero(tangent));
}

}  // namespace

MXBuiltinEntries circularBuiltins() {
    return {
        ofAngleEntry<u"sin", [](double x) { return flushedToZero(std::sin(x)); }>(),
        ofAngleEntry<u"cos", [](double x) { return flushedToZero(std::cos(x)); }>(),
        ofAngleEntry<u"tan", [](double x) { return tangentOf(x); }>(),
        ofAngleEntry<u"csc", [](double x) { return 1 / std::sin(x); }>(),
        ofAngleEntry<u"sec", [](double x) { return 1 / std::cos(x); }>(),
        ofAngleEntry<u"cotan", [](double x) { return 1 / std::tan(x); }>(),
        toAngleEntry<u"asin", [](double x) { return std::asin(x); }>(),
        toAngleEntry<u"acos", [](double x) { return std::acos(x); }>(),
        toAngleEntry<u"atan", [](double x) { return std::atan(x); }>(),
        toAngleEntry<u"acsc", [](double x) { return std::asin(1 / x); }>(),
        toAngleEntry<u"asec", [](double x) { return std::acos(1 / x); }>(),
        toAngleEntry<u"acotan", [](double x) { return std::numbers::pi / 2 - std::atan(x); }>(),
    };
}

}  // namespace mxcalc::detail
