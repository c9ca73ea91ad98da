#include "app/MXQtControls.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

#include "app/MXQtImages.h"

namespace {

constexpr double kDisabledOpacity = 0.35;
const QColor kSwitchOn(52, 199, 89);
const QColor kSwitchOff(90, 90, 94);
const QColor kTrackFilled(10, 132, 255);
const QColor kTrackEmpty(110, 110, 115);
constexpr double kTrackHeight = 3;

QPainterPath shapeOf(const MXView& view) {
    const MXSize size = view.frame().size;
    QPainterPath shape;
    const double radius = view.layer().cornerRadius;
    shape.addRoundedRect(QRectF(0, 0, size.width, size.height), radius, radius);
    return shape;
}

void paintGlow(QPainter& painter, const QRectF& area) {
    QRadialGradient glow(area.center(), std::min(area.width(), area.height()) * 0.6);
    glow.setColorAt(0, QColor(255, 255, 255, 110));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(area, glow);
}

}  // namespace

void MXQtButton::setTitle(std::u16string title, MXControlState state) {
    MXButton::setTitle(std::move(title), state);
    refresh();
}

void MXQtButton::setTitleColor(MXColor color, MXControlState state) {
    MXButton::setTitleColor(color, state);
    refresh();
}

void MXQtButton::setImage(std::optional<MXImage> image, MXControlState state) {
    MXButton::setImage(std::move(image), state);
    refresh();
}

void MXQtButton::setBackgroundImage(std::optional<MXImage> image, MXControlState state) {
    MXButton::setBackgroundImage(std::move(image), state);
    refresh();
}

void MXQtButton::setTitleFont(MXFont font) {
    MXButton::setTitleFont(std::move(font));
    refresh();
}

void MXQtButton::setShowsTouchWhenHighlighted(bool shows) {
    MXButton::setShowsTouchWhenHighlighted(shows);
    refresh();
}

void MXQtButton::setHighlighted(bool highlighted) {
    MXButton::setHighlighted(highlighted);
    refresh();
}

void MXQtButton::setEnabled(bool enabled) {
    MXButton::setEnabled(enabled);
    refresh();
}

void MXQtButton::setSelected(bool selected) {
    MXButton::setSelected(selected);
    refresh();
}

void MXQtButton::paint(QPainter& painter) const {
    MXQtPaintBackground(painter, *this);
    const MXControlState current = state();
    const QRectF area(0, 0, frame().size.width, frame().size.height);
    painter.save();
    if (layer().masksToBounds) painter.setClipPath(shapeOf(*this));
    if (const auto background = backgroundImageForState(current)) MXQtPaintImage(painter, *background, area);
    if (showsTouchWhenHighlighted() && isHighlighted()) paintGlow(painter, area);
    if (!isEnabled()) painter.setOpacity(kDisabledOpacity);
    if (const auto image = imageForState(current)) {
        QRectF box(QPointF(0, 0), MXQtImageSize(*image));
        box.moveCenter(area.center());
        MXQtPaintImage(painter, *image, box);
    }
    const std::u16string title = currentTitle();
    if (!title.empty()) {
        painter.setFont(MXQtFont(titleFont()));
        painter.setPen(MXQtColor(titleColorForState(current).value_or(MXColor::whiteColor())));
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, MXQtString(title));
    }
    painter.restore();
}

MXQtSwitch::MXQtSwitch() {
    addAction(MXControlEventTouchUpInside, [](MXControl& control) {
        auto& flipped = static_cast<MXSwitch&>(control);
        flipped.setOn(!flipped.isOn());
        flipped.sendActionsForControlEvents(MXControlEventValueChanged);
    });
}

void MXQtSwitch::setOn(bool on) {
    MXSwitch::setOn(on);
    refresh();
}

void MXQtSwitch::setEnabled(bool enabled) {
    MXSwitch::setEnabled(enabled);
    refresh();
}

void MXQtSwitch::paint(QPainter& painter) const {
    const MXSize size = frame().size;
    const double radius = size.height / 2;
    if (!isEnabled()) painter.setOpacity(kDisabledOpacity);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isOn() ? kSwitchOn : kSwitchOff);
    painter.drawRoundedRect(QRectF(0, 0, size.width, size.height), radius, radius);
    const double inset = 2;
    const double knob = size.height - 2 * inset;
    const double left = isOn() ? size.width - inset - knob : inset;
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(left, inset, knob, knob));
}

MXQtSlider::MXQtSlider() : MXQtViewOf<MXSlider>(std::make_shared<MXQtView>()) {}

void MXQtSlider::setValue(float value) {
    MXSlider::setValue(value);
    refresh();
}

void MXQtSlider::setThumbImage(std::optional<MXImage> image, MXControlState state) {
    MXSlider::setThumbImage(std::move(image), state);
    refresh();
}

void MXQtSlider::paint(QPainter& painter) const {
    MXQtPaintBackground(painter, *this);
    const MXSize size = frame().size;
    const MXRect thumb = thumbView().frame();
    const double middle = size.height / 2;
    const double thumbCentre = thumb.origin.x + thumb.size.width / 2;
    const double start = thumb.size.width / 2;
    const double end = std::max(start, size.width - thumb.size.width / 2);
    painter.fillRect(QRectF(start, middle - kTrackHeight / 2, thumbCentre - start, kTrackHeight), kTrackFilled);
    painter.fillRect(QRectF(thumbCentre, middle - kTrackHeight / 2, end - thumbCentre, kTrackHeight), kTrackEmpty);
    const QRectF thumbArea = MXQtRect(thumb);
    if (const auto image = thumbImageForState(isHighlighted() ? MXControlState::Highlighted : MXControlState::Normal)) {
        MXQtPaintImage(painter, *image, thumbArea);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(thumbArea);
    }
}

void MXQtSlider::mousePressed(MXPoint point) {
    touchDown(point);
    slideTo(point);
}

void MXQtSlider::mouseMoved(MXPoint point) {
    touchMoved(point);
    slideTo(point);
}

void MXQtSlider::slideTo(MXPoint point) {
    if (!isEnabled()) return;
    const double side = thumbView().frame().size.width;
    const double span = frame().size.width - side;
    const double share = span > 0 ? std::clamp((point.x - side / 2) / span, 0.0, 1.0) : 0;
    setValue(static_cast<float>(minimumValue() + share * (maximumValue() - minimumValue())));
    sendActionsForControlEvents(MXControlEventValueChanged);
}
