#include "app/MXQtViewWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/MXQtView.h"

namespace {

MXPoint pointsOf(const QMouseEvent& event, QSizeF scale) {
    const QPointF at = event.position();
    return {at.x() / scale.width(), at.y() / scale.height()};
}

}  // namespace

MXQtViewWidget::MXQtViewWidget(MXQtViewBridge& bridge) : bridge_(bridge) { setFocusPolicy(Qt::NoFocus); }

void MXQtViewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(bridge_.drawScale().width(), bridge_.drawScale().height());
    bridge_.paint(painter);
}

void MXQtViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) bridge_.mousePressed(pointsOf(*event, bridge_.drawScale()));
}

void MXQtViewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) bridge_.mouseMoved(pointsOf(*event, bridge_.drawScale()));
}

void MXQtViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) bridge_.mouseReleased(pointsOf(*event, bridge_.drawScale()));
}
