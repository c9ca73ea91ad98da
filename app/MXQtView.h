#pragma once
// Views of the view layer backed by Qt widgets. Each view keeps its state in the view
// layer's classes and owns one widget that only shows that state and forwards the mouse:
// the widget sits where the view's transformed frame is, scaled from points to pixels by
// the window's scale and the transforms of the view and its ancestors, and paints the view
// in points through a painter scaled the same way. Transforms are drawn as scales and
// translations (the keyboard uses no rotation). Mouse presses, moves and releases on a
// control become its touches, in the control's own coordinates.
#include <QPointer>
#include <QSizeF>
#include <QWidget>

#include <memory>
#include <type_traits>
#include <utility>

#include "app/MXQtConversions.h"
#include "platform/ui/MXControl.h"
#include "platform/ui/MXView.h"

class QPainter;
class MXQtViewWidget;

class MXQtViewBridge {
public:
    virtual ~MXQtViewBridge();

    // Nothing once Qt has deleted the widget with its parent.
    QWidget* widget() const;
    // Pixels per point inside this view.
    QSizeF drawScale() const { return drawScale_; }
    // Pixels per point on the widget: the draw scale fitted to the widget's whole pixels,
    // so that rounding never cuts off the view's edge.
    QSizeF paintScale() const { return paintScale_; }
    // The scale of a view without a superview: the keyboard's root in the window.
    void setRootScale(double scale);

    // Draws the view's own content in points, within its bounds.
    virtual void paint(QPainter& painter) const = 0;
    // The mouse on the widget, in the view's points.
    virtual void mousePressed(MXPoint point);
    virtual void mouseMoved(MXPoint point);
    virtual void mouseReleased(MXPoint point);

    static MXQtViewBridge* of(const MXView* view) { return dynamic_cast<MXQtViewBridge*>(const_cast<MXView*>(view)); }

protected:
    explicit MXQtViewBridge(MXView& view);
    // Places the widget and, below it, every subview's widget.
    void place();
    // Stacks the subviews' widgets in drawing order and places a newly added one.
    void adoptSubviews();
    void refresh() const;
    void mirrorHidden() const;
    void mirrorAccessibilityLabel() const;

private:
    MXView& view_;
    QPointer<MXQtViewWidget> widget_;
    QSizeF drawScale_{1, 1};
    QSizeF paintScale_{1, 1};
    double rootScale_ = 1;
};

// A view class of the view layer with a widget: every setter that changes the look calls
// the base setter first, then mirrors the change.
template <class Base>
class MXQtViewOf : public Base, public MXQtViewBridge {
public:
    template <class... Arguments>
    explicit MXQtViewOf(Arguments&&... arguments)
        : Base(std::forward<Arguments>(arguments)...), MXQtViewBridge(static_cast<MXView&>(*this)) {
        // Only controls take the mouse; a press anywhere else goes to the view below.
        if constexpr (!std::is_base_of_v<MXControl, Base>) widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
        adoptSubviews();
    }

    void setHidden(bool hidden) override {
        Base::setHidden(hidden);
        mirrorHidden();
    }
    void setFrame(MXRect frame) override {
        Base::setFrame(frame);
        place();
    }
    void setTransform(const MXAffineTransform& transform) override {
        Base::setTransform(transform);
        place();
    }
    void setBackgroundColor(std::optional<MXColor> color) override {
        Base::setBackgroundColor(color);
        refresh();
    }
    void setLayer(const MXLayerStyle& layer) override {
        Base::setLayer(layer);
        refresh();
    }
    void addSubview(std::shared_ptr<MXView> view) override {
        Base::addSubview(std::move(view));
        adoptSubviews();
    }
    void bringSubviewToFront(const MXView& view) override {
        Base::bringSubviewToFront(view);
        adoptSubviews();
    }
    void setAccessibilityLabel(std::u16string label) override {
        Base::setAccessibilityLabel(std::move(label));
        mirrorAccessibilityLabel();
    }
};

// A view that draws only its background and layer: rows, the keyboard's root, a thumb.
class MXQtView : public MXQtViewOf<MXView> {
public:
    void paint(QPainter& painter) const override;
};

// The background colour and layer style (corners, border) that every view draws first.
void MXQtPaintBackground(QPainter& painter, const MXView& view);
