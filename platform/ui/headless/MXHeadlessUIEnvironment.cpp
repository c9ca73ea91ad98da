#include "platform/ui/headless/MXHeadlessUIEnvironment.h"

std::optional<MXImage> MXHeadlessUIEnvironment::imageNamed(std::u16string_view name) const {
    const auto found = images_.find(name);
    if (found == images_.end()) return std::nullopt;
    return MXImage{found->first, found->second, scale_, std::nullopt};
}

void MXHeadlessUIEnvironment::performAfterDelay(double seconds, std::function<void()> call) {
    pending_.emplace(now_ + (seconds > 0 ? seconds : 0), std::move(call));
}

void MXHeadlessUIEnvironment::advance(double seconds) {
    const double end = now_ + seconds;
    while (!pending_.empty() && pending_.begin()->first <= end) {
        auto due = pending_.extract(pending_.begin());
        now_ = due.key();
        due.mapped()();
    }
    now_ = end;
}
