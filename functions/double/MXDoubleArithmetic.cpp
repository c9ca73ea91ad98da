// add, subtract, multiply, divide, mod, pow, negate, factorial.
#include <cmath>

#include "functions/double/MXDoubleThemes.h"

namespace mxcalc::detail {
namespace {

// Above this the product no longer fits 64 bits.
constexpr double kLargestExactFactorial = 20;

MXNumber factorialOf(const MXNumber& argument) {
    const double x = argument.doubleValue();
    if (x == std::round(x) && x > 0 && x <= kLargestExactFactorial) {
        uint64_t product = 1;
        for (uint64_t n = argument.unsignedIntegerValue(); n > 1; --n) product *= n;
        return MXNumber::numberWithUnsignedLongLong(product);
    }
    return MXNumber(std::tgamma(x + 1));
}

}  // namespace

MXBuiltinEntries arithmeticBuiltins() {
    return {
        binaryDoubleEntry<u"add", [](double a, double b) { return a + b; }>(),
        binaryDoubleEntry<u"subtract", [](double a, double b) { return a - b; }>(),
        binaryDoubleEntry<u"multiply", [](double a, double b) { return a * b; }>(),
        binaryDoubleEntry<u"divide", [](double a, double b) { return a / b; }>(),
        binaryDoubleEntry<u"mod", [](double a, double b) { return std::fmod(a, b); }>(),
        binaryDoubleEntry<u"pow", [](double a, double b) { return std::pow(a, b); }>(),
        unaryDoubleEntry<u"negate", [](double x) { return -x; }>(),
        exactEntry<u"factorial", 1, [](const MXNumbers& values) { return factorialOf(values[0]); }>(),
    };
}

}  // namespace mxcalc::detail
