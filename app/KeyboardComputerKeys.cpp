#include "app/KeyboardComputerKeys.h"

#include <QKeyEvent>

#include "app/KeyboardPanel.h"
#include "keyboard/KeyboardKeyLookup.h"

namespace {

MXPoint centreOf(const MXView& view) { return {view.frame().size.width / 2, view.frame().size.height / 2}; }

bool isCommand(const QKeyEvent& event) {
    return event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

// The physical key where the platform tells it: a release may carry another key code than
// its press ("+" pressed with Shift, released after Shift as "=").
int physicalKey(const QKeyEvent& event) {
    return event.nativeScanCode() != 0 ? -static_cast<int>(event.nativeScanCode()) : event.key();
}

void lift(const std::weak_ptr<MXView>& view) {
    if (const auto key = std::dynamic_pointer_cast<MXControl>(view.lock())) key->touchUp(centreOf(*key));
}

bool isTyped(const QString& text) {
    return text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace();
}

}  // namespace

void KeyboardComputerKeys::setActive(bool active) {
    active_ = active;
    const auto held = std::move(held_);
    held_.clear();
    for (const auto& [code, view] : held) lift(view);
}

bool KeyboardComputerKeys::eventFilter(QObject* watched, QEvent* event) {
    if (!active_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) {
        return QObject::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isCommand(key)) return false;
    return event->type() == QEvent::KeyPress ? pressed(key) : released(key);
}

MXButton* KeyboardComputerKeys::onScreenKey(const QKeyEvent& event) const {
    const KeyboardViews& views = panel_.views();
    switch (event.key()) {
        case Qt::Key_Backspace: return views.backSpaceButton.get();
        case Qt::Key_Space: return views.spaceButton.get();
        case Qt::Key_Return:
        case Qt::Key_Enter: return views.returnButton.get();
        default: break;
    }
    return isTyped(event.text()) ? KeyboardFindKey(views, event.text().toStdU16String()) : nullptr;
}

// A held key repeats only through the on-screen key's own gestures.
bool KeyboardComputerKeys::pressed(const QKeyEvent& event) {
    MXButton* key = onScreenKey(event);
    const int physical = physicalKey(event);
    if (event.isAutoRepeat()) return key || held_.count(physical) || isTyped(event.text());
    if (key) {
        if (held_.count(physical)) return true;
        held_[physical] = key->weak_from_this();
        key->touchDown(centreOf(*key));
        return true;
    }
    if (!isTyped(event.text())) return false;
    MXButton typed(event.text().toStdU16String());
    panel_.controller().keyPressed(typed);
    return true;
}

bool KeyboardComputerKeys::released(const QKeyEvent& event) {
    const auto found = held_.find(physicalKey(event));
    if (found == held_.end()) return isTyped(event.text());
    if (event.isAutoRepeat()) return true;
    const std::weak_ptr<MXView> view = found->second;
    held_.erase(found);
    lift(view);
    return true;
}
