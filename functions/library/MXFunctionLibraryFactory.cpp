#include "functions/library/MXFunctionLibraryFactory.h"

namespace detail {

std::unique_ptr<MXFunctionEvaluator> MXMakeFunctionLibrary(MXMathEvaluator* evaluator, bool highPrecision) {
    // The decimal library class is created here for high precision once it exists; until
    // then both settings compute in double precision.
    static_cast<void>(highPrecision);
    return std::make_unique<MXFunctionEvaluator>(evaluator);
}

}  // namespace detail
