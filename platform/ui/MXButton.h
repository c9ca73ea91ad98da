#pragma once
// A key: a title and an image name per control state, enabled, highlighted, selected.
// A state without a title or image of its own shows the normal state's.
#include <string>

#include "platform/ui/MXView.h"

enum class MXControlState { Normal, Highlighted, Disabled, Selected };

class MXButton : public MXView {
public:
    virtual std::u16string titleForState(MXControlState state) const = 0;
    virtual void setTitle(std::u16string title, MXControlState state) = 0;
    // The title shown now: that of the current state (the key's text).
    virtual std::u16string currentTitle() const = 0;

    virtual std::u16string imageForState(MXControlState state) const = 0;
    virtual void setImage(std::u16string imageName, MXControlState state) = 0;

    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isHighlighted() const = 0;
    virtual void setHighlighted(bool highlighted) = 0;
    virtual bool isSelected() const = 0;
    virtual void setSelected(bool selected) = 0;

    // Disabled, else highlighted, else selected, else normal.
    MXControlState state() const {
        if (!isEnabled()) {
            return MXControlState::Disabled;
        }
        if (isHighlighted()) {
            return MXControlState::Highlighted;
        }
        return isSelected() ? MXControlState::Selected : MXControlState::Normal;
    }
};
