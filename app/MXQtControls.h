#pragma once
// The keys, the switch and the slider as Qt-backed views. A key draws its background,
// its state's background image, image and title (centred), dimmed when disabled, with a
// glow while lit when it shows touches. The switch flips itself on a tap and sends
// value-changed; the slider follows the mouse along its track and sends value-changed on
// every move, as the phone's controls do.
#include "app/MXQtView.h"
#include "platform/ui/MXButton.h"
#include "platform/ui/MXSlider.h"
#include "platform/ui/MXSwitch.h"

class MXQtButton : public MXQtViewOf<MXButton> {
public:
    void setTitle(std::u16string title, MXControlState state) override;
    void setTitleColor(MXColor color, MXControlState state) override;
    void setImage(std::optional<MXImage> image, MXControlState state) override;
    void setBackgroundImage(std::optional<MXImage> image, MXControlState state) override;
    void setTitleFont(MXFont font) override;
    void setShowsTouchWhenHighlighted(bool shows) override;
    void setHighlighted(bool highlighted) override;
    void setEnabled(bool enabled) override;
    void setSelected(bool selected) override;

    void paint(QPainter& painter) const override;
};

class MXQtSwitch : public MXQtViewOf<MXSwitch> {
public:
    MXQtSwitch();
    void setOn(bool on) override;
    void setEnabled(bool enabled) override;
    void paint(QPainter& painter) const override;
};

class MXQtSlider : public MXQtViewOf<MXSlider> {
public:
    MXQtSlider();
    void setValue(float value) override;
    void setThumbImage(std::optional<MXImage> image, MXControlState state) override;
    void paint(QPainter& painter) const override;

    void mousePressed(MXPoint point) override;
    void mouseMoved(MXPoint point) override;

private:
    // The value under the point, sent as a user's move.
    void slideTo(MXPoint point);
};
