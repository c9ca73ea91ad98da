#include "cli/MxcalcModes.h"
#include "platform/text/MXText.h"

LineResult errorLine(const MXError& error) {
    return {"error " + std::to_string(error.code()) + ": " + MXToUtf8(error.localizedDescription()), false};
}
