#pragma once
// The view layer the keyboard is written against. A view keeps its own state (hidden, tag,
// frame, transform, background, layer style, subviews, gesture recognizers), so this class
// is also the headless view; a toolkit's view overrides the setters to mirror each change
// onto its widget and calls the base setter first.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/MXColor.h"
#include "platform/ui/MXGeometry.h"

class MXGestureRecognizer;

// Corners, border and clipping of a view.
struct MXLayerStyle {
    double cornerRadius = 0;
    double borderWidth = 0;
    MXColor borderColor = MXColor::blackColor();
    bool masksToBounds = false;
    bool operator==(const MXLayerStyle&) const = default;
};

class MXView : public std::enable_shared_from_this<MXView> {
public:
    MXView() = default;
    MXView(const MXView&) = delete;
    MXView& operator=(const MXView&) = delete;
    virtual ~MXView();

    bool isHidden() const { return hidden_; }
    virtual void setHidden(bool hidden) { hidden_ = hidden; }

    int64_t tag() const { return tag_; }
    void setTag(int64_t tag) { tag_ = tag; }

    MXRect frame() const { return frame_; }
    virtual void setFrame(MXRect frame) { frame_ = frame; }
    MXRect bounds() const { return {{0, 0}, frame_.size}; }
    // The frame as drawn: the box around the frame transformed about its centre.
    MXRect transformedFrame() const;

    const MXAffineTransform& transform() const { return transform_; }
    virtual void setTransform(const MXAffineTransform& transform) { transform_ = transform; }

    // Nothing: the toolkit's default background.
    const std::optional<MXColor>& backgroundColor() const { return backgroundColor_; }
    virtual void setBackgroundColor(std::optional<MXColor> color) { backgroundColor_ = color; }

    const MXLayerStyle& layer() const { return layer_; }
    virtual void setLayer(const MXLayerStyle& layer) { layer_ = layer; }

    // In drawing order: the last is in front.
    const std::vector<std::shared_ptr<MXView>>& subviews() const { return subviews_; }
    virtual void addSubview(std::shared_ptr<MXView> view);
    // Moves a subview in front of its siblings; any other view is ignored.
    virtual void bringSubviewToFront(const MXView& view);
    MXView* superview() const { return superview_; }

    // What assistive technology calls the view.
    const std::u16string& accessibilityLabel() const { return accessibilityLabel_; }
    virtual void setAccessibilityLabel(std::u16string label) { accessibilityLabel_ = std::move(label); }

    void addGestureRecognizer(std::shared_ptr<MXGestureRecognizer> recognizer);
    const std::vector<std::shared_ptr<MXGestureRecognizer>>& gestureRecognizers() const { return recognizers_; }

private:
    bool hidden_ = false;
    int64_t tag_ = 0;
    MXRect frame_;
    MXAffineTransform transform_;
    std::optional<MXColor> backgroundColor_;
    MXLayerStyle layer_;
    std::vector<std::shared_ptr<MXView>> subviews_;
    MXView* superview_ = nullptr;
    std::vector<std::shared_ptr<MXGestureRecognizer>> recognizers_;
    std::u16string accessibilityLabel_;
};
