#pragma once
// Makes the views of a layout backed by Qt widgets.
#include "app/MXQtControls.h"
#include "app/MXQtTextViews.h"
#include "platform/ui/MXViewFactory.h"

class MXQtViewFactory : public MXViewFactory {
public:
    std::shared_ptr<MXView> makeView() override { return std::make_shared<MXQtView>(); }
    std::shared_ptr<MXButton> makeButton() override { return std::make_shared<MXQtButton>(); }
    std::shared_ptr<MXLabel> makeLabel() override { return std::make_shared<MXQtLabel>(); }
    std::shared_ptr<MXTextView> makeTextView() override { return std::make_shared<MXQtTextView>(); }
    std::shared_ptr<MXSlider> makeSlider() override { return std::make_shared<MXQtSlider>(); }
    std::shared_ptr<MXSwitch> makeSwitch() override { return std::make_shared<MXQtSwitch>(); }
};
