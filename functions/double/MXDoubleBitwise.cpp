// and, or, xor, not, lshift, rshift on the arguments' whole parts.
#include <cstdint>

#include "functions/double/MXDoubleThemes.h"

namespace mxcalc::detail {
namespace {

// Shift counts are taken modulo 64.
constexpr int shiftCount(int64_t count) { return static_cast<int>(count & 63); }

template <MXBuiltinName Name, auto Compute>
constexpr MXBuiltinEntry binaryIntegerEntry() {
    return exactEntry<Name, 2, [](const MXNumbers& values) {
        return MXNumber::numberWithLongLong(Compute(values[0].integerValue(), values[1].integerValue()));
    }>();
}

}  // namespace

MXBuiltinEntries bitwiseBuiltins() {
    return {
        binaryIntegerEntry<u"and", [](int64_t i, int64_t j) { return i & j; }>(),
        binaryIntegerEntry<u"or", [](int64_t i, int64_t j) { return i | j; }>(),
        binaryIntegerEntry<u"xor", [](int64_t i, int64_t j) { return i ^ j; }>(),
        binaryIntegerEntry<u"lshift", [](int64_t i, int64_t j) {
            return static_cast<int64_t>(static_cast<uint64_t>(i) << shiftCount(j));
        }>(),
        binaryIntegerEntry<u"rshift", [](int64_t i, int64_t j) { return (i >> shiftCount(j)); }>(),
        exactEntry<u"not", 1, [](const MXNumbers& values) { return MXNumber::numberWithLongLong(~values[0].integerValue()); }>(),
    };
}

}  // namespace mxcalc::detail
