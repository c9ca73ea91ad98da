#include "platform/ui/MXGestureRecognizer.h"

#include <cmath>

using State = MXGestureRecognizerState;

void MXGestureRecognizer::setState(State state) {
    state_ = state;
    if (state != State::Possible && state != State::Failed && action_) action_(*this);
}

void MXGestureRecognizer::after(double seconds, std::function<void(MXGestureRecognizer&)> check) {
    const unsigned generation = generation_;
    std::weak_ptr<MXGestureRecognizer> weak = weak_from_this();
    environment_.performAfterDelay(seconds, [weak, generation, check = std::move(check)] {
        const auto recognizer = weak.lock();
        if (recognizer && recognizer->generation_ == generation) check(*recognizer);
    });
}

void MXTapGestureRecognizer::touchesBegan(MXPoint) {
    touched();
    if (state() != State::Possible) {
        setState(State::Possible);
        taps_ = 0;
    }
    failAfterPause();
}

bool MXTapGestureRecognizer::touchesEnded(MXPoint) {
    touched();
    if (state() != State::Possible) return false;
    if (++taps_ < tapsRequired_) {
        failAfterPause();
        return false;
    }
    setState(State::Ended);
    return true;
}

void MXTapGestureRecognizer::failAfterPause() {
    after(kTapInterval, [](MXGestureRecognizer& recognizer) {
        auto& tap = static_cast<MXTapGestureRecognizer&>(recognizer);
        if (tap.state() == State::Possible) {
            tap.setState(State::Failed);
            tap.taps_ = 0;
        }
    });
}

void MXLongPressGestureRecognizer::touchesBegan(MXPoint point) {
    touched();
    start_ = point;
    setState(State::Possible);
    after(minimumDuration_, [](MXGestureRecognizer& recognizer) {
        if (recognizer.state() == State::Possible) static_cast<MXLongPressGestureRecognizer&>(recognizer).setState(State::Began);
    });
}

void MXLongPressGestureRecognizer::touchesMoved(MXPoint point) {
    if (state() == State::Began || state() == State::Changed) {
        setState(State::Changed);
    } else if (state() == State::Possible &&
               std::hypot(point.x - start_.x, point.y - start_.y) > kAllowableMovement) {
        touched();
        setState(State::Failed);
    }
}

bool MXLongPressGestureRecognizer::touchesEnded(MXPoint) {
    touched();
    if (state() == State::Began || state() == State::Changed) {
        setState(State::Ended);
        return true;
    }
    if (state() == State::Possible) setState(State::Failed);
    return false;
}
