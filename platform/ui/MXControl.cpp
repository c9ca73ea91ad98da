#include "platform/ui/MXControl.h"

#include "platform/ui/MXGestureRecognizer.h"

void MXControl::sendActionsForControlEvents(uint32_t events) {
    // Copied: an action may add actions to this control.
    const std::vector<Registration> registered = actions_;
    for (const Registration& registration : registered) {
        if (registration.events & events) registration.action(*this);
    }
}

void MXControl::touchDown(MXPoint point) {
    if (!isEnabled()) return;
    tracking_ = true;
    setHighlighted(true);
    for (const auto& recognizer : gestureRecognizers()) recognizer->touchesBegan(point);
    sendActionsForControlEvents(MXControlEventTouchDown);
}

void MXControl::touchMoved(MXPoint point) {
    if (!tracking_) return;
    for (const auto& recognizer : gestureRecognizers()) recognizer->touchesMoved(point);
}

void MXControl::touchUp(MXPoint point) {
    if (!tracking_) return;
    tracking_ = false;
    setHighlighted(false);
    bool taken = false;
    for (const auto& recognizer : gestureRecognizers()) taken = recognizer->touchesEnded(point) || taken;
    const MXRect area = bounds();
    const bool inside = point.x >= 0 && point.y >= 0 && point.x <= area.size.width && point.y <= area.size.height;
    if (!taken && inside) sendActionsForControlEvents(MXControlEventTouchUpInside);
}
