#include "platform/ui/MXView.h"

#include <algorithm>
#include <iterator>

#include "platform/ui/MXGestureRecognizer.h"

MXView::~MXView() {
    for (const auto& view : subviews_) view->superview_ = nullptr;
    for (const auto& recognizer : recognizers_) recognizer->detach();
}

MXRect MXView::transformedFrame() const {
    const double halfWidth = frame_.size.width / 2;
    const double halfHeight = frame_.size.height / 2;
    const MXPoint corners[] = {{-halfWidth, -halfHeight}, {halfWidth, -halfHeight}, {-halfWidth, halfHeight}, {halfWidth, halfHeight}};
    double left = 0, right = 0, top = 0, bottom = 0;
    for (size_t i = 0; i < std::size(corners); ++i) {
        const MXPoint p = transform_.apply(corners[i]);
        left = i == 0 ? p.x : std::min(left, p.x);
        right = i == 0 ? p.x : std::max(right, p.x);
        top = i == 0 ? p.y : std::min(top, p.y);
        bottom = i == 0 ? p.y : std::max(bottom, p.y);
    }
    const MXPoint centre{frame_.origin.x + halfWidth, frame_.origin.y + halfHeight};
    return {{centre.x + left, centre.y + top}, {right - left, bottom - top}};
}

void MXView::addSubview(std::shared_ptr<MXView> view) {
    if (!view || view.get() == this) return;
    view->superview_ = this;
    subviews_.push_back(std::move(view));
}

void MXView::bringSubviewToFront(const MXView& view) {
    const auto found = std::find_if(subviews_.begin(), subviews_.end(),
                                    [&view](const auto& subview) { return subview.get() == &view; });
    if (found != subviews_.end()) std::rotate(found, found + 1, subviews_.end());
}

void MXView::addGestureRecognizer(std::shared_ptr<MXGestureRecognizer> recognizer) {
    recognizer->attach(*this);
    recognizers_.push_back(std::move(recognizer));
}
