// Error lines: an input's failure, and an allocation failure while answering one input.
#include <new>

#include "cli/MxcalcModes.h"
#include "platform/text/MXText.h"

LineResult errorLine(const MXError& error) {
    return {"error " + std::to_string(error.code()) + ": " + MXToUtf8(error.localizedDescription()), false};
}

LineResult answerLine(MxcalcLineProcessor process, const std::u16string& input, const MxcalcOptions& options) {
    try {
        return process(input, options);
    } catch (const std::bad_alloc&) {
        return errorLine(MXError::engineError(MXErrorCodeInvalidFormat, u"not enough memory for this input"));
    }
}
