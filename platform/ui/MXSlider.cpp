#include "platform/ui/MXSlider.h"

#include <algorithm>
#include <cmath>

MXSlider::MXSlider(std::shared_ptr<MXView> thumb) { addSubview(std::move(thumb)); }

void MXSlider::setValue(float value) {
    value_ = std::isnan(value) ? minimum_ : std::clamp(value, minimum_, maximum_);
    placeThumb();
}

void MXSlider::setMinimumValue(float value) {
    if (std::isnan(value)) return;
    minimum_ = value;
    maximum_ = std::max(maximum_, value);
    setValue(value_);
}

void MXSlider::setMaximumValue(float value) {
    if (std::isnan(value)) return;
    maximum_ = value;
    minimum_ = std::min(minimum_, value);
    setValue(value_);
}

std::optional<MXImage> MXSlider::thumbImageForState(MXControlState state) const {
    auto found = thumbImages_.find(state);
    if (found == thumbImages_.end()) found = thumbImages_.find(MXControlState::Normal);
    if (found == thumbImages_.end()) return std::nullopt;
    return found->second;
}

void MXSlider::setThumbImage(std::optional<MXImage> image, MXControlState state) {
    if (image) {
        thumbImages_[state] = *image;
    } else {
        thumbImages_.erase(state);
    }
}

void MXSlider::setFrame(MXRect frame) {
    MXControl::setFrame(frame);
    placeThumb();
}

void MXSlider::placeThumb() {
    const MXSize size = frame().size;
    const double side = size.height;
    const double span = maximum_ > minimum_ ? (value_ - minimum_) / (maximum_ - minimum_) : 0;
    thumbView().setFrame({{std::max(0.0, size.width - side) * span, 0}, {side, side}});
}
