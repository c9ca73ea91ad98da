#pragma once
// A headless view environment: a phone or tablet of a chosen screen scale, the images of a
// list of names, and a virtual clock that runs delayed calls only when a test (or a
// program) advances it.
#include <functional>
#include <map>
#include <set>
#include <string>

#include "platform/ui/MXUIEnvironment.h"

class MXHeadlessUIEnvironment : public MXUIEnvironment {
public:
    MXViewFactory& viewFactory() override { return factory_; }
    MXUserInterfaceIdiom userInterfaceIdiom() const override { return idiom_; }
    void setUserInterfaceIdiom(MXUserInterfaceIdiom idiom) { idiom_ = idiom; }
    double screenScale() const override { return scale_; }
    void setScreenScale(double scale) { scale_ = scale; }

    std::optional<MXImage> imageNamed(std::u16string_view name) const override;
    void addImage(std::u16string name, MXSize size) { images_[std::move(name)] = size; }

    double now() const override { return now_; }
    void performAfterDelay(double seconds, std::function<void()> call) override;
    // Moves the clock forward, running every call that falls due on the way, in time order
    // (calls made at the same time in the order they were scheduled).
    void advance(double seconds);
    size_t pendingCalls() const { return pending_.size(); }

private:
    MXViewFactory factory_;
    MXUserInterfaceIdiom idiom_ = MXUserInterfaceIdiom::Phone;
    double scale_ = 2;
    std::map<std::u16string, MXSize, std::less<>> images_;
    double now_ = 0;
    std::multimap<double, std::function<void()>> pending_;
};
