// Evaluation of text: tokenized with this evaluator's operator set, parsed, then evaluated
// as a tree (no rewriting or simplification on this path).
#include "engine/evaluator/MXEvaluationErrors.h"
#include "engine/evaluator/MXMathEvaluator.h"
#include "engine/parser/MXParser.h"

std::optional<MXNumber> MXMathEvaluator::evaluateString(std::u16string_view text, const MXSubstitutions* substitutions,
                                                        MXError* error) {
    auto tokenizer = MXMathStringTokenizer::tokenizerWithString(text, operatorSet_, error);
    if (!tokenizer) return std::nullopt;
    const auto parser = MXParser::parserWithTokenizer(std::move(tokenizer), error);
    if (!parser) return std::nullopt;
    const MXExpressionPtr expression = parser->parsedExpressionWithError(error);
    if (!expression) return std::nullopt;
    return evaluateExpression(expression, substitutions, error);
}

std::optional<MXNumber> MXMathEvaluator::evaluateString(std::u16string_view text,
                                                        const MXSubstitutions* substitutions) {
    MXError error;
    std::optional<MXNumber> result = evaluateString(text, substitutions, &error);
    if (!result) mxcalc::detail::MXLogEvaluationError(error);
    return result;
}
