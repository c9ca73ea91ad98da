#pragma once
// An on/off switch.
#include "platform/ui/MXView.h"

class MXSwitch : public MXView {
public:
    virtual bool isOn() const = 0;
    virtual void setOn(bool on) = 0;
};
