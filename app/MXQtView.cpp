#include "app/MXQtView.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "app/MXQtViewWidget.h"

namespace {

int pixel(double points, double scale) { return static_cast<int>(std::lround(points * scale)); }

}  // namespace

MXQtViewBridge::MXQtViewBridge(MXView& view) : view_(view), widget_(new MXQtViewWidget(*this)) {}

MXQtViewBridge::~MXQtViewBridge() { delete widget_.data(); }

QWidget* MXQtViewBridge::widget() const { return widget_.data(); }

void MXQtViewBridge::setRootScale(double scale) {
    rootScale_ = scale;
    place();
}

void MXQtViewBridge::mousePressed(MXPoint point) {
    if (auto* control = dynamic_cast<MXControl*>(&view_)) control->touchDown(point);
}

void MXQtViewBridge::mouseMoved(MXPoint point) {
    if (auto* control = dynamic_cast<MXControl*>(&view_)) control->touchMoved(point);
}

void MXQtViewBridge::mouseReleased(MXPoint point) {
    if (auto* control = dynamic_cast<MXControl*>(&view_)) control->touchUp(point);
}

// Edges are rounded one by one, so neighbouring views meet without gaps.
void MXQtViewBridge::place() {
    if (!widget_) return;
    QSizeF parentScale(rootScale_, rootScale_);
    if (const MXQtViewBridge* parent = of(view_.superview())) parentScale = parent->drawScale_;
    const MXAffineTransform& transform = view_.transform();
    drawScale_ = {parentScale.width() * std::abs(transform.a), parentScale.height() * std::abs(transform.d)};
    const MXRect box = view_.transformedFrame();
    const int left = pixel(box.origin.x, parentScale.width());
    const int top = pixel(box.origin.y, parentScale.height());
    const int width = pixel(box.origin.x + box.size.width, parentScale.width()) - left;
    const int height = pixel(box.origin.y + box.size.height, parentScale.height()) - top;
    widget_->setGeometry(left, top, width, height);
    const MXSize size = view_.frame().size;
    paintScale_ = {size.width > 0 ? width / size.width : drawScale_.width(),
                   size.height > 0 ? height / size.height : drawScale_.height()};
    for (const auto& subview : view_.subviews()) {
        if (MXQtViewBridge* child = of(subview.get())) child->place();
    }
    widget_->update();
}

void MXQtViewBridge::adoptSubviews() {
    if (!widget_) return;
    for (const auto& subview : view_.subviews()) {
        MXQtViewBridge* child = of(subview.get());
        if (!child || !child->widget_) continue;
        if (child->widget_->parentWidget() != widget_) {
            child->widget_->setParent(widget_);
            child->place();
            child->mirrorHidden();
        }
        child->widget_->raise();
    }
}

void MXQtViewBridge::refresh() const {
    if (widget_) widget_->update();
}

void MXQtViewBridge::mirrorHidden() const {
    // A widget without a parent would become a window of its own.
    if (widget_ && widget_->parentWidget()) widget_->setVisible(!view_.isHidden());
}

void MXQtViewBridge::mirrorAccessibilityLabel() const {
    if (widget_) widget_->setAccessibleName(MXQtString(view_.accessibilityLabel()));
}

void MXQtView::paint(QPainter& painter) const { MXQtPaintBackground(painter, *this); }

void MXQtPaintBackground(QPainter& painter, const MXView& view) {
    const MXLayerStyle& layer = view.layer();
    const MXSize size = view.frame().size;
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, size.width, size.height), layer.cornerRadius, layer.cornerRadius);
    if (view.backgroundColor() && view.backgroundColor()->alpha > 0) {
        painter.fillPath(shape, MXQtColor(*view.backgroundColor()));
    }
    if (layer.borderWidth > 0 && layer.borderColor.alpha > 0) {
        const double inset = layer.borderWidth / 2;
        QPainterPath border;
        border.addRoundedRect(QRectF(inset, inset, size.width - layer.borderWidth, size.height - layer.borderWidth),
                              std::max(0.0, layer.cornerRadius - inset), std::max(0.0, layer.cornerRadius - inset));
        painter.strokePath(border, QPen(MXQtColor(layer.borderColor), layer.borderWidth));
    }
}
