#pragma once
// What the view layer offers besides views: a factory of its views, the kind of device and
// its screen, images by name, and calls delayed on the user-interface thread's main loop.
#include <functional>
#include <optional>
#include <string_view>

#include "platform/ui/MXImage.h"
#include "platform/ui/MXViewFactory.h"

enum class MXUserInterfaceIdiom { Phone, Pad };

class MXUIEnvironment {
public:
    virtual ~MXUIEnvironment() = default;

    virtual MXViewFactory& viewFactory() = 0;
    virtual MXUserInterfaceIdiom userInterfaceIdiom() const = 0;
    // Pixels per point of the main screen.
    virtual double screenScale() const = 0;
    // Nothing when the resources have no image of that name.
    virtual std::optional<MXImage> imageNamed(std::u16string_view name) const = 0;

    // Seconds since some fixed moment, on the clock that delayed calls use.
    virtual double now() const = 0;
    // Runs `call` on the main loop once `seconds` have passed.
    virtual void performAfterDelay(double seconds, std::function<void()> call) = 0;
};
