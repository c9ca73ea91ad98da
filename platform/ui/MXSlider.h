#pragma once
// A value between a minimum and a maximum (the precision slider), with a thumb: the
// slider's last subview, a square at the value's place. The range is 0 to 1 until set;
// raising the minimum above the maximum raises the maximum with it, and the other way
// round. A value that is not a number counts as the minimum.
#include <map>
#include <memory>
#include <optional>

#include "platform/ui/MXButton.h"
#include "platform/ui/MXImage.h"

class MXSlider : public MXControl {
public:
    // A toolkit passes a thumb of its own kind; the headless slider makes a plain view.
    explicit MXSlider(std::shared_ptr<MXView> thumb = std::make_shared<MXView>());

    float value() const { return value_; }
    // Kept within the range.
    virtual void setValue(float value);
    float minimumValue() const { return minimum_; }
    void setMinimumValue(float value);
    float maximumValue() const { return maximum_; }
    void setMaximumValue(float value);

    std::optional<MXImage> thumbImageForState(MXControlState state) const;
    virtual void setThumbImage(std::optional<MXImage> image, MXControlState state);

    // The thumb follows the slider's height and value.
    void setFrame(MXRect frame) override;
    MXView& thumbView() const { return *subviews().back(); }

private:
    void placeThumb();

    float value_ = 0;
    float minimum_ = 0;
    float maximum_ = 1;
    std::map<MXControlState, MXImage> thumbImages_;
};
