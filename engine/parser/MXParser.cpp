#include "engine/parser/MXParser.h"

#include "engine/parser/MXGroupTerm.h"
#include "engine/parser/MXTermArena.h"

const std::u16string MXNestedTooDeeplyMessage = u"expression nested too deeply";

std::unique_ptr<MXParser> MXParser::parserWithString(std::u16string_view text, MXError* error) {
    return parserWithTokenizer(MXMathStringTokenizer::tokenizerWithString(text, error), error);
}

std::unique_ptr<MXParser> MXParser::parserWithTokenizer(std::unique_ptr<MXMathStringTokenizer> tokenizer, MXError*) {
    if (!tokenizer) return nullptr;
    return std::make_unique<MXParser>(std::move(tokenizer));
}

MXParser::MXParser(std::unique_ptr<MXMathStringTokenizer> tokenizer)
    : tokenizer_(std::move(tokenizer)), operatorSet_(tokenizer_->operatorSet()),
      arena_(std::make_unique<mxcalc::detail::MXTermArena>()) {}

MXParser::~MXParser() = default;

MXOperatorAssociativity MXParser::associativityForOperatorFunction(std::u16string_view function) const {
    const MXMathOperatorPtr op = operatorSet_->operatorForFunction(function);
    return op ? op->associativity() : MXOperatorAssociativityLeft;
}

MXOperatorAssociativity MXParser::associativityForOperatorToken(const MXMathStringToken& token) {
    const MXMathOperator* record = token.operatorInfo().get();
    for (const auto& [known, associativity] : associativities_) {
        if (known == record) return associativity;
    }
    const MXOperatorAssociativity associativity = associativityForOperatorFunction(token.operatorFunction());
    associativities_.emplace_back(record, associativity);
    return associativity;
}

MXExpressionPtr MXParser::parsedExpressionWithError(MXError* error) {
    tokenizer_->reset();
    arena_->release();
    associativities_.clear();
    mxcalc::detail::MXGroupTerm* root = mxcalc::detail::MXParserTerm::rootTermWithTokenizer(*tokenizer_, *arena_, error);
    if (root == nullptr || !root->resolveWithParser(*this, 0, error)) return nullptr;
    return root->expressionWithError(error);
}
