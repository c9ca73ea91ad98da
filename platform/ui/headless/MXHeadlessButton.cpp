#include "platform/ui/headless/MXHeadlessButton.h"

std::u16string MXHeadlessButton::lookUp(const PerState& entries, MXControlState state) {
    auto found = entries.find(state);
    if (found == entries.end()) {
        found = entries.find(MXControlState::Normal);
    }
    return found == entries.end() ? std::u16string() : found->second;
}
