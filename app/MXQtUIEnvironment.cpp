#include "app/MXQtUIEnvironment.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

#include "app/MXQtImages.h"

MXQtUIEnvironment::MXQtUIEnvironment(std::map<std::u16string, MXSize> images)
    : images_(images.begin(), images.end()) {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { runDueCalls(); });
}

double MXQtUIEnvironment::screenScale() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1;
}

std::optional<MXImage> MXQtUIEnvironment::imageNamed(std::u16string_view name) const {
    const auto found = images_.find(name);
    if (found == images_.end() || !MXQtHasImage(MXQtString(found->first))) return std::nullopt;
    return MXImage{found->first, found->second, screenScale(), std::nullopt};
}

double MXQtUIEnvironment::now() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e9 + skipped_; }

void MXQtUIEnvironment::performAfterDelay(double seconds, std::function<void()> call) {
    pending_.emplace(now() + (seconds > 0 ? seconds : 0), std::move(call));
    scheduleTimer();
}

void MXQtUIEnvironment::advance(double seconds) {
    skipped_ += seconds;
    runDueCalls();
}

void MXQtUIEnvironment::runDueCalls() {
    while (!pending_.empty() && pending_.begin()->first <= now()) {
        auto due = pending_.extract(pending_.begin());
        due.mapped()();
    }
    scheduleTimer();
}

void MXQtUIEnvironment::scheduleTimer() {
    if (pending_.empty()) {
        timer_.stop();
        return;
    }
    const double wait = std::max(0.0, pending_.begin()->first - now());
    timer_.start(static_cast<int>(std::ceil(wait * 1000)));
}
