#include <algorithm>
#include <cmath>

#include "platform/ui/headless/MXHeadlessControls.h"

void MXHeadlessSlider::setValue(float value) {
    value_ = std::isnan(value) ? minimum_ : std::clamp(value, minimum_, maximum_);
}

void MXHeadlessSlider::setMinimumValue(float value) {
    if (std::isnan(value)) {
        return;
    }
    minimum_ = value;
    maximum_ = std::max(maximum_, value);
    setValue(value_);
}

void MXHeadlessSlider::setMaximumValue(float value) {
    if (std::isnan(value)) {
        return;
    }
    maximum_ = value;
    minimum_ = std::min(minimum_, value);
    setValue(value_);
}
