#include <initializer_list>

#include "functions/double/MXDoubleBuiltins.h"
#include "functions/precision/MXPrecisionFunctionEvaluator.h"
#include "functions/precision/MXPrecisionThemes.h"

namespace mxcalc::detail {
namespace {

using MXBuiltinTable = std::unordered_map<std::u16string, MXBuiltin>;

// Overridden with the very behaviour of the double-precision library: a decimal count, or
// the argument's own number.
constexpr std::u16string_view kSameAsDouble[] = {u"count", u"varxi"};

MXBuiltinTable makeTable() {
    MXBuiltinTable table;
    for (const MXBuiltinEntries& theme : {
             decimalArithmeticBuiltins(), decimalRootBuiltins(), decimalLogarithmBuiltins(),
             decimalStatisticsBuiltins(),
             decimalPercentBuiltins(), decimalCircularBuiltins(), decimalHyperbolicBuiltins(),
             decimalVersineBuiltins(), decimalConversionBuiltins(),
         }) {
        for (const auto& [name, builtin] : theme) table.emplace(name, builtin);
    }
    for (const std::u16string_view name : kSameAsDouble) {
        const std::u16string key(name);
        table.emplace(key, MXDoubleBuiltinTable().at(key));
    }
    return table;
}

}  // namespace

const std::unordered_map<std::u16string, MXBuiltin>& MXPrecisionBuiltinTable() {
    static const MXBuiltinTable table = makeTable();
    return table;
}

}  // namespace mxcalc::detail
