#include <map>

#include "cli/MxcalcModes.h"
#include "platform/text/MXText.h"

namespace {

std::map<std::string, MxcalcLineProcessor>& modes() {
    static std::map<std::string, MxcalcLineProcessor> registered;
    return registered;
}

}  // namespace

bool registerMxcalcMode(const std::string& option, MxcalcLineProcessor processor) {
    return modes().emplace(option, processor).second;
}

MxcalcLineProcessor registeredMxcalcMode(const std::string& option) {
    const auto found = modes().find(option);
    return found == modes().end() ? nullptr : found->second;
}

LineResult errorLine(const MXError& error) {
    return {"error " + std::to_string(error.code()) + ": " + MXToUtf8(error.localizedDescription()), false};
}
