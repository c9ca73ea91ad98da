// l_and, l_or, l_not and the comparisons: truth values 1 or 0, both operands always evaluated.
#include "functions/double/MXDoubleThemes.h"

namespace mxcalc::detail {
namespace {

template <MXBuiltinName Name, auto Holds>
constexpr MXBuiltinEntry binaryTruthEntry() {
    return exactEntry<Name, 2, [](const MXNumbers& values) { return MXNumber::numberWithBool(Holds(values[0], values[1])); }>();
}

// A comparison that holds for some of the orders -1, 0, 1 of the first operand to the second.
template <MXBuiltinName Name, auto HoldsForOrder>
constexpr MXBuiltinEntry comparisonEntry() {
    return binaryTruthEntry<Name, [](const MXNumber& a, const MXNumber& b) { return HoldsForOrder(a.compare(b)); }>();
}

}  // namespace

MXBuiltinEntries logicBuiltins() {
    return {
        binaryTruthEntry<u"l_and", [](const MXNumber& a, const MXNumber& b) { return a.boolValue() && b.boolValue(); }>(),
        binaryTruthEntry<u"l_or", [](const MXNumber& a, const MXNumber& b) { return a.boolValue() || b.boolValue(); }>(),
        exactEntry<u"l_not", 1, [](const MXNumbers& values) { return MXNumber::numberWithBool(!values[0].boolValue()); }>(),
        comparisonEntry<u"l_eq", [](int order) { return order == 0; }>(),
        comparisonEntry<u"l_neq", [](int order) { return order != 0; }>(),
        comparisonEntry<u"l_lt", [](int order) { return order < 0; }>(),
        comparisonEntry<u"l_gt", [](int order) { return (order > 0); }>(),
        comparisonEntry<u"l_ltoe", [](int order) { return order <= 0; }>(),
        comparisonEntry<u"l_gtoe", [](int order) { return (order >= 0); }>(),
    };
}

}  // namespace mxcalc::detail
