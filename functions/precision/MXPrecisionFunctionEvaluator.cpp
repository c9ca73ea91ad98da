#include "functions/precision/MXPrecisionFunctionEvaluator.h"

#include "functions/library/MXBuiltinIndex.h"

namespace mxcalc::detail {

MXBuiltin MXPrecisionFunctionEvaluator::findBuiltin(std::u16string_view name) const {
    static const MXBuiltinIndex index(MXPrecisionBuiltinTable());
    if (const MXBuiltin own = index.find(name)) return own;
    return MXFunctionEvaluator::findBuiltin(name);
}

}  // namespace mxcalc::detail
