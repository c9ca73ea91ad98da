#include "platform/ui/MXButton.h"

#include <mutex>

namespace {

std::mutex handlerMutex;

MXButton::HighlightHandler& handler() {
    static MXButton::HighlightHandler installed;
    return installed;
}

}  // namespace

void MXButton::setHighlightHandler(HighlightHandler newHandler) {
    std::lock_guard lock(handlerMutex);
    handler() = std::move(newHandler);
}

void MXButton::setHighlighted(bool highlighted) {
    HighlightHandler current;
    {
        std::lock_guard lock(handlerMutex);
        current = handler();
    }
    if (current) {
        current(*this, highlighted);
    } else {
        applyHighlighted(highlighted);
    }
}

MXControlState MXButton::state() const {
    if (!isEnabled()) return MXControlState::Disabled;
    if (isHighlighted()) return MXControlState::Highlighted;
    return isSelected() ? MXControlState::Selected : MXControlState::Normal;
}
