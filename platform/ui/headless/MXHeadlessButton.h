#pragma once
#include <map>

#include "platform/ui/MXButton.h"
#include "platform/ui/headless/MXHeadlessView.h"

class MXHeadlessButton : public MXHeadlessViewBase<MXButton> {
public:
    MXHeadlessButton() = default;
    explicit MXHeadlessButton(std::u16string title) { setTitle(std::move(title), MXControlState::Normal); }

    std::u16string titleForState(MXControlState state) const override { return lookUp(titles_, state); }
    void setTitle(std::u16string title, MXControlState state) override { titles_[state] = std::move(title); }
    std::u16string currentTitle() const override { return titleForState(state()); }

    std::u16string imageForState(MXControlState state) const override { return lookUp(images_, state); }
    void setImage(std::u16string imageName, MXControlState state) override { images_[state] = std::move(imageName); }

    bool isEnabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isHighlighted() const override { return highlighted_; }
    void setHighlighted(bool highlighted) override { highlighted_ = highlighted; }
    bool isSelected() const override { return selected_; }
    void setSelected(bool selected) override { selected_ = selected; }

private:
    using PerState = std::map<MXControlState, std::u16string>;

    // The state's own entry, else the normal state's, else empty.
    static std::u16string lookUp(const PerState& entries, MXControlState state);

    PerState titles_;
    PerState images_;
    bool enabled_ = true;
    bool highlighted_ = false;
    bool selected_ = false;
};
