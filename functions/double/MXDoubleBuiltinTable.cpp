#include <initializer_list>

#include "functions/double/MXDoubleBuiltins.h"
#include "functions/double/MXDoubleThemes.h"

namespace {

using MXBuiltinTable = std::unordered_map<std::u16string, mxcalc::detail::MXBuiltin>;

MXBuiltinTable makeTable() {
    MXBuiltinTable table;
    for (const mxcalc::detail::MXBuiltinEntries& theme : {
             mxcalc::detail::arithmeticBuiltins(), mxcalc::detail::rootBuiltins(), mxcalc::detail::bitwiseBuiltins(),
             mxcalc::detail::statisticsBuiltins(), mxcalc::detail::roundingBuiltins(), mxcalc::detail::randomBuiltins(),
             mxcalc::detail::logarithmBuiltins(), mxcalc::detail::percentBuiltins(), mxcalc::detail::circularBuiltins(),
             mxcalc::detail::hyperbolicBuiltins(), mxcalc::detail::versineBuiltins(), mxcalc::detail::conversionBuiltins(),
             mxcalc::detail::storedValueBuiltins(), mxcalc::detail::logicBuiltins(),
         }) {
        for (const auto& [name, builtin] : theme) table.emplace(name, builtin);
    }
    return table;
}

}  // namespace

const std::unordered_map<std::u16string, mxcalc::detail::MXBuiltin>& MXDoubleBuiltinTable() {
    static const MXBuiltinTable table = makeTable();
    return table;
}
