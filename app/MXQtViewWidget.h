#pragma once
// The widget of a Qt-backed view: paints the view through its bridge with a painter scaled
// from points to pixels, and hands the left mouse button's presses, moves and releases to
// the bridge in points. Never takes the keyboard focus, so the host document keeps it.
#include <QWidget>

class MXQtViewBridge;

class MXQtViewWidget : public QWidget {
public:
    explicit MXQtViewWidget(MXQtViewBridge& bridge);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    MXQtViewBridge& bridge_;
};
