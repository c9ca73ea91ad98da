// Tokenizer and parser on arbitrary text: nothing may crash, hang or trip a sanitizer.
// The first byte picks the operator set ("%" as modulo or as percent); the rest is UTF-8.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/parser/MXParser.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"

namespace {

const std::shared_ptr<MXMathOperatorSet>& percentSet() {
    static const std::shared_ptr<MXMathOperatorSet> set = [] {
        auto percent = std::make_shared<MXMathOperatorSet>();
        percent->setInterpretsPercentSignAsModulo(false);
        return percent;
    }();
    return set;
}

size_t describedLength(const MXMathStringTokenizer& tokenizer) {
    size_t length = 0;
    for (const auto& token : tokenizer.allObjects()) length += token.debugDescription().size();
    return length;
}

}  // namespace

// Rejected numerals are logged; the log is silenced so that it does not slow the run.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    MXLogSetSink([](std::string_view) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto& set = (data[0] & 1) ? percentSet() : MXMathOperatorSet::defaultOperatorSet();
    const std::u16string text = MXFromUtf8(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    MXError error;
    auto tokenizer = MXMathStringTokenizer::tokenizerWithString(text, set, &error);
    if (!tokenizer) return 0;
    volatile size_t length = describedLength(*tokenizer);
    (void)length;
    MXParser parser(std::move(tokenizer));
    const MXExpressionPtr expression = parser.parsedExpressionWithError(&error);
    if (expression) {
        volatile size_t described = expression->description().size();
        (void)described;
    }
    return 0;
}
