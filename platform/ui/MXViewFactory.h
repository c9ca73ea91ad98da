#pragma once
// Makes the views of a layout. This base makes plain headless views; a toolkit's factory
// makes views backed by its widgets.
#include <memory>

#include "platform/ui/MXButton.h"
#include "platform/ui/MXLabel.h"
#include "platform/ui/MXSlider.h"
#include "platform/ui/MXSwitch.h"
#include "platform/ui/MXTextView.h"

class MXViewFactory {
public:
    virtual ~MXViewFactory() = default;

    virtual std::shared_ptr<MXView> makeView() { return std::make_shared<MXView>(); }
    virtual std::shared_ptr<MXButton> makeButton() { return std::make_shared<MXButton>(); }
    virtual std::shared_ptr<MXLabel> makeLabel() { return std::make_shared<MXLabel>(); }
    virtual std::shared_ptr<MXTextView> makeTextView() { return std::make_shared<MXTextView>(); }
    virtual std::shared_ptr<MXSlider> makeSlider() { return std::make_shared<MXSlider>(); }
    virtual std::shared_ptr<MXSwitch> makeSwitch() { return std::make_shared<MXSwitch>(); }
};
