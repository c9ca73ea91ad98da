#pragma once
// Tap and long-press recognizers, fed with the touches of the view they are attached to
// and timed by the main loop of the view layer. A recognizer that recognizes takes the
// touch: the view then does not send its own touch-up action for it. None of them delays
// the end of touches.
//
// Tap: Possible until the required number of taps, each lifted within kTapInterval of the
// previous event, then Ended (its action runs); a pause longer than that fails it. The next
// touch after Ended or Failed starts over.
// Long press: a touch held still for the minimum duration makes it Began (action), every
// move after that Changed (action), lifting Ended (action). Moving farther than
// kAllowableMovement before that fails it. The state stays until the next touch begins.
#include <functional>
#include <memory>

#include "platform/ui/MXGeometry.h"
#include "platform/ui/MXUIEnvironment.h"

class MXView;

enum class MXGestureRecognizerState { Possible, Began, Changed, Ended, Failed };

class MXGestureRecognizer : public std::enable_shared_from_this<MXGestureRecognizer> {
public:
    using Action = std::function<void(MXGestureRecognizer&)>;

    MXGestureRecognizer(MXUIEnvironment& environment, Action action)
        : environment_(environment), action_(std::move(action)) {}
    virtual ~MXGestureRecognizer() = default;

    MXGestureRecognizerState state() const { return state_; }
    // The view it is attached to; nothing before attaching and after the view is gone.
    MXView* view() const { return view_; }

    bool delaysTouchesEnded() const { return delaysTouchesEnded_; }
    void setDelaysTouchesEnded(bool delays) { delaysTouchesEnded_ = delays; }

    virtual void touchesBegan(MXPoint point) = 0;
    virtual void touchesMoved(MXPoint point) = 0;
    // Whether the recognizer took this touch.
    virtual bool touchesEnded(MXPoint point) = 0;

    void attach(MXView& view) { view_ = &view; }
    void detach() { view_ = nullptr; }

protected:
    // Runs the action for every state but Possible and Failed.
    void setState(MXGestureRecognizerState state);
    // Calls `check` after `seconds` unless another touch event came in between.
    void after(double seconds, std::function<void(MXGestureRecognizer&)> check);
    void touched() { ++generation_; }
    MXUIEnvironment& environment() const { return environment_; }

private:
    MXUIEnvironment& environment_;
    Action action_;
    MXView* view_ = nullptr;
    MXGestureRecognizerState state_ = MXGestureRecognizerState::Possible;
    bool delaysTouchesEnded_ = true;
    unsigned generation_ = 0;
};

class MXTapGestureRecognizer : public MXGestureRecognizer {
public:
    static constexpr double kTapInterval = 0.35;

    MXTapGestureRecognizer(MXUIEnvironment& environment, Action action, int numberOfTapsRequired)
        : MXGestureRecognizer(environment, std::move(action)), tapsRequired_(numberOfTapsRequired) {}
    int numberOfTapsRequired() const { return tapsRequired_; }

    void touchesBegan(MXPoint point) override;
    void touchesMoved(MXPoint) override {}
    bool touchesEnded(MXPoint point) override;

private:
    void failAfterPause();

    int tapsRequired_;
    int taps_ = 0;
};

class MXLongPressGestureRecognizer : public MXGestureRecognizer {
public:
    static constexpr double kAllowableMovement = 10;

    MXLongPressGestureRecognizer(MXUIEnvironment& environment, Action action, double minimumPressDuration)
        : MXGestureRecognizer(environment, std::move(action)), minimumDuration_(minimumPressDuration) {}
    double minimumPressDuration() const { return minimumDuration_; }

    void touchesBegan(MXPoint point) override;
    void touchesMoved(MXPoint point) override;
    bool touchesEnded(MXPoint point) override;

private:
    double minimumDuration_;
    MXPoint start_;
};
