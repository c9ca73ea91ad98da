#include "cli/MxcalcModes.h"
#include "engine/tokenizer/MXMathStringTokenizer.h"
#include "platform/text/MXText.h"

namespace {

// A sign that had several meanings prints the function it was given.
std::u16string tokenText(const MXMathStringToken& token) {
    return token.wasAmbiguous() ? token.operatorFunction() : token.description();
}

}  // namespace

LineResult tokensLine(const std::u16string& input, const MxcalcOptions&) {
    MXError error;
    const auto tokenizer = MXMathStringTokenizer::tokenizerWithString(input, &error);
    if (!tokenizer) return errorLine(error);
    std::u16string line;
    for (const MXMathStringToken& token : tokenizer->allObjects()) {
        if (!line.empty()) line += u' ';
        line += tokenText(token);
    }
    return {MXToUtf8(line), true};
}
