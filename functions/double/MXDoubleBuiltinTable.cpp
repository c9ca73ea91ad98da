#include <initializer_list>

#include "functions/double/MXDoubleBuiltins.h"
#include "functions/double/MXDoubleThemes.h"

namespace {

using MXBuiltinTable = std::unordered_map<std::u16string, detail::MXBuiltin>;

MXBuiltinTable makeTable() {
    MXBuiltinTable table;
    for (const detail::MXBuiltinEntries& theme : {
             detail::arithmeticBuiltins(), detail::rootBuiltins(), detail::bitwiseBuiltins(),
             detail::statisticsBuiltins(), detail::roundingBuiltins(), detail::randomBuiltins(),
             detail::logarithmBuiltins(), detail::percentBuiltins(), detail::circularBuiltins(),
             detail::hyperbolicBuiltins(), detail::versineBuiltins(), detail::conversionBuiltins(),
             detail::storedValueBuiltins(), detail::logicBuiltins(),
         }) {
        for (const auto& [name, builtin] : theme) table.emplace(name, builtin);
    }
    return table;
}

}  // namespace

const std::unordered_map<std::u16string, detail::MXBuiltin>& MXDoubleBuiltinTable() {
    static const MXBuiltinTable table = makeTable();
    return table;
}
