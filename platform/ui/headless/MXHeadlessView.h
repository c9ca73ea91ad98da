#pragma once
// Headless views: plain objects that keep their state, for tests and mxcalc.
// MXHeadlessViewBase supplies the view part of any view interface.
#include "platform/ui/MXView.h"

template <class Interface>
class MXHeadlessViewBase : public Interface {
public:
    bool isHidden() const override { return hidden_; }
    void setHidden(bool hidden) override { hidden_ = hidden; }

    int64_t tag() const override { return tag_; }
    void setTag(int64_t tag) override { tag_ = tag; }

    std::vector<std::shared_ptr<MXView>> subviews() const override { return subviews_; }
    void addSubview(std::shared_ptr<MXView> view) override { subviews_.push_back(std::move(view)); }

private:
    bool hidden_ = false;
    int64_t tag_ = 0;
    std::vector<std::shared_ptr<MXView>> subviews_;
};

// A plain container view.
class MXHeadlessView : public MXHeadlessViewBase<MXView> {};
