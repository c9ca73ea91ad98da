#pragma once
// The engine's view environment: the headless views and images of the layout, with delayed
// calls on the GLib main loop that IBus runs, timed by the monotonic clock.
#include "keyboard/KeyboardLayout.h"
#include "platform/ui/headless/MXHeadlessUIEnvironment.h"

class IBusUIEnvironment : public MXHeadlessUIEnvironment {
public:
    explicit IBusUIEnvironment(const KeyboardLayout& layout);

    double now() const override;
    // `call` runs once from the default main context; a pending call dies with that context.
    void performAfterDelay(double seconds, std::function<void()> call) override;
};
