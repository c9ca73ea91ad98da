#include "engine/expression/MXExpression.h"
#include "engine/parser/MXParser.h"

MXExpressionPtr MXExpression::expressionFromString(std::u16string_view text, MXError* error) {
    std::unique_ptr<MXMathStringTokenizer> tokenizer = MXMathStringTokenizer::tokenizerWithString(text, error);
    if (!tokenizer) return nullptr;
    MXParser parser(std::move(tokenizer));
    return parser.parsedExpressionWithError(error);
}
