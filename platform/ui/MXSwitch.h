#pragma once
// An on/off switch; a user's flip sends value-changed.
#include "platform/ui/MXControl.h"

class MXSwitch : public MXControl {
public:
    bool isOn() const { return on_; }
    virtual void setOn(bool on) { on_ = on; }

private:
    bool on_ = false;
};
