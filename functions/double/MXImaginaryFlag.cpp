#include "functions/double/MXImaginaryFlag.h"

#include "engine/evaluator/MXMathEvaluator.h"

namespace mxcalc::detail {
namespace {

MXStoredValues* storedValuesOf(const MXFunctionEvaluator& library) {
    return library.evaluator() ? library.evaluator()->storedValues() : nullptr;
}

}  // namespace

void noteRadicandSign(const MXFunctionEvaluator& library, bool negative) {
    if (MXStoredValues* values = storedValuesOf(library)) values->noteRadicandSign(negative);
}

double sharedVariableValue(const MXFunctionEvaluator& library) {
    const MXStoredValues* values = storedValuesOf(library);
    return values ? values->sharedVariableValue() : 0;
}

}  // namespace mxcalc::detail
