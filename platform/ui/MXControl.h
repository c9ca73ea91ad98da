#pragma once
// A view that sends actions for control events (a key, the switch, the slider), is
// enabled or not, and follows touches: a touch lights the control up, goes through its
// gesture recognizers, and on lifting inside sends touch-up-inside unless a recognizer
// took the touch.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/ui/MXView.h"

enum MXControlEvents : uint32_t {
    MXControlEventTouchDown = 1u << 0,
    MXControlEventTouchUpInside = 1u << 6,
    MXControlEventValueChanged = 1u << 12,
    MXControlEventAllTouchEvents = 0x0FFFu,
};

class MXControl : public MXView {
public:
    using Action = std::function<void(MXControl&)>;

    void addAction(uint32_t events, Action action) { actions_.push_back({events, std::move(action)}); }
    // Runs, in the order they were added, every action registered for any of the events.
    void sendActionsForControlEvents(uint32_t events);

    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted) { highlighted_ = highlighted; }
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected) { selected_ = selected; }

    // A finger on the control, in its own coordinates. A disabled control ignores touches.
    void touchDown(MXPoint point);
    void touchMoved(MXPoint point);
    void touchUp(MXPoint point);

private:
    struct Registration {
        uint32_t events;
        Action action;
    };
    std::vector<Registration> actions_;
    bool enabled_ = true;
    bool highlighted_ = false;
    bool selected_ = false;
    bool tracking_ = false;
};
