#pragma once
// Headless label, switch and slider.
#include <string>

#include "platform/ui/MXLabel.h"
#include "platform/ui/MXSlider.h"
#include "platform/ui/MXSwitch.h"
#include "platform/ui/headless/MXHeadlessView.h"

class MXHeadlessLabel : public MXHeadlessViewBase<MXLabel> {
public:
    std::u16string text() const override { return text_; }
    void setText(std::u16string text) override { text_ = std::move(text); }

private:
    std::u16string text_;
};

class MXHeadlessSwitch : public MXHeadlessViewBase<MXSwitch> {
public:
    bool isOn() const override { return on_; }
    void setOn(bool on) override { on_ = on; }

private:
    bool on_ = false;
};

// The range is 0 to 1 until set; raising the minimum above the maximum raises the
// maximum with it, and the other way round. A value that is not a number counts as
// the minimum.
class MXHeadlessSlider : public MXHeadlessViewBase<MXSlider> {
public:
    float value() const override { return value_; }
    void setValue(float value) override;
    float minimumValue() const override { return minimum_; }
    void setMinimumValue(float value) override;
    float maximumValue() const override { return maximum_; }
    void setMaximumValue(float value) override;

private:
    float value_ = 0;
    float minimum_ = 0;
    float maximum_ = 1;
};
