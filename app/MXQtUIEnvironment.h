#pragma once
// The view environment on Qt: views backed by widgets, the device kind the window's width
// asks for, the screen's pixel density, the images of the program's resources in the sizes
// the layout gives, and delayed calls on Qt's event loop. Its clock is the time since it
// was made plus whatever advance() added, so a program can step over waits at once (the
// screenshot's key taps, the tests) while delayed calls still run in time order.
#include <QTimer>

#include <QElapsedTimer>
#include <functional>
#include <map>
#include <string>

#include "app/MXQtViewFactory.h"
#include "platform/ui/MXUIEnvironment.h"

class MXQtUIEnvironment : public MXUIEnvironment {
public:
    // `images`: the sizes in points of the images the layout uses.
    explicit MXQtUIEnvironment(std::map<std::u16string, MXSize> images);

    MXViewFactory& viewFactory() override { return factory_; }
    MXUserInterfaceIdiom userInterfaceIdiom() const override { return idiom_; }
    void setUserInterfaceIdiom(MXUserInterfaceIdiom idiom) { idiom_ = idiom; }
    // The primary screen's device pixel ratio.
    double screenScale() const override;
    std::optional<MXImage> imageNamed(std::u16string_view name) const override;

    double now() const override;
    void performAfterDelay(double seconds, std::function<void()> call) override;
    // Moves the clock forward and runs every call that fell due, in time order.
    void advance(double seconds);

    // The phone form below this window width in logical pixels, the tablet form above.
    static constexpr int kPadWidth = 700;
    static MXUserInterfaceIdiom idiomForWidth(int width) {
        return width < kPadWidth ? MXUserInterfaceIdiom::Phone : MXUserInterfaceIdiom::Pad;
    }

private:
    void runDueCalls();
    void scheduleTimer();

    MXQtViewFactory factory_;
    MXUserInterfaceIdiom idiom_ = MXUserInterfaceIdiom::Phone;
    std::map<std::u16string, MXSize, std::less<>> images_;
    QElapsedTimer clock_;
    double skipped_ = 0;
    std::multimap<double, std::function<void()>> pending_;
    QTimer timer_;
};
