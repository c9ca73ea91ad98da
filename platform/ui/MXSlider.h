#pragma once
// A value between a minimum and a maximum (the precision slider).
#include "platform/ui/MXView.h"

class MXSlider : public MXView {
public:
    virtual float value() const = 0;
    // Kept within the range.
    virtual void setValue(float value) = 0;
    virtual float minimumValue() const = 0;
    virtual void setMinimumValue(float value) = 0;
    virtual float maximumValue() const = 0;
    virtual void setMaximumValue(float value) = 0;
};
