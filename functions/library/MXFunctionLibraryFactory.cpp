#include "functions/library/MXFunctionLibraryFactory.h"

#include "functions/precision/MXPrecisionFunctionEvaluator.h"

namespace mxcalc::detail {

std::unique_ptr<MXFunctionEvaluator> MXMakeFunctionLibrary(MXMathEvaluator* evaluator, bool highPrecision) {
    if (highPrecision) return std::make_unique<MXPrecisionFunctionEvaluator>(evaluator);
    return std::make_unique<MXFunctionEvaluator>(evaluator);
}

}  // namespace mxcalc::detail
