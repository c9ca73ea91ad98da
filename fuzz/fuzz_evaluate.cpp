// Tokenizer, parser and evaluator on arbitrary text, in double and decimal precision and in
// both angle units: nothing may crash, hang or trip a sanitizer.
// The first byte picks the mode; the rest is UTF-8.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/evaluator/MXMathEvaluator.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"

namespace {

MXMathEvaluator& evaluatorForMode(uint8_t mode) {
    static MXMathEvaluator evaluators[4];
    static const bool configured = [] {
        for (int i = 0; i < 4; ++i) {
            evaluators[i].setUsesHighPrecisionEvaluation(i & 1);
            if (i & 2) evaluators[i].setAngleMeasurementMode(MXAngleMeasurementModeDegrees);
        }
        return true;
    }();
    static_cast<void>(configured);
    return evaluators[mode & 3];
}

}  // namespace

// Evaluation logs rejected numerals; the log is silenced so that it does not slow the run.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    MXLogSetSink([](std::string_view) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 4096) return 0;
    const std::u16string text = MXFromUtf8(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    MXError error;
    const std::optional<MXNumber> value = evaluatorForMode(data[0]).evaluateString(text, nullptr, &error);
    if (value) {
        volatile size_t described = value->description().size();
        static_cast<void>(described);
    }
    return 0;
}
