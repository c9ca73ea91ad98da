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
    painter.scale(bridge_.paintScale().width(), bridge_.paintScale().height());
    bridge_.paint(painter);
}

void MXQtViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) bridge_.mousePressed(pointsOf(*event, bridge_.paintScale()));
}

void MXQtViewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) bridge_.mouseMoved(pointsOf(*event, bridge_.paintScale()));
}

void MXQtViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) bridge_.mouseReleased(pointsOf(*event, bridge_.paintScale()));
}
