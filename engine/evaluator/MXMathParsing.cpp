#include "engine/evaluator/MXMathParsing.h"

#include "engine/evaluator/MXMathEvaluator.h"

std::optional<MXNumber> MXNumberByEvaluatingString(std::u16string_view text, const MXSubstitutions* substitutions) {
    return MXMathEvaluator::defaultMathEvaluator().evaluateString(text, substitutions);
}

std::optional<MXNumber> MXNumberByEvaluatingString(std::u16string_view text, const MXSubstitutions* substitutions,
                                                   MXError* error) {
    return MXMathEvaluator::defaultMathEvaluator().evaluateString(text, substitutions, error);
}
