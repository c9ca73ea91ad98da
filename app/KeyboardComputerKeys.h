#pragma once
// Keys of the computer's keyboard acting as the on-screen keys: a key whose text is the
// title of an on-screen key (digits, letters, operators, brackets, ".", ","), Backspace,
// Space and Return press that key down and lift it again when released, so it lights up
// and its gestures work (a held Backspace repeats as the long press does). Other printable
// text goes to the keyboard as a key with that title. Keys with Ctrl, Alt or Meta, and
// keys without text (arrows, Home, ...) go on to the host document. While inactive (the
// keyboard is hidden) every key goes on to the host document.
#include <QObject>

#include <map>
#include <memory>

#include "platform/ui/MXButton.h"

class KeyboardPanel;
class QKeyEvent;

class KeyboardComputerKeys : public QObject {
public:
    explicit KeyboardComputerKeys(KeyboardPanel& panel, QObject* parent = nullptr) : QObject(parent), panel_(panel) {}
    void setActive(bool active);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pressed(const QKeyEvent& event);
    bool released(const QKeyEvent& event);
    MXButton* onScreenKey(const QKeyEvent& event) const;

    KeyboardPanel& panel_;
    bool active_ = true;
    // The on-screen key each held computer key holds down (gone if the keyboard was built
    // again meanwhile).
    std::map<int, std::weak_ptr<MXView>> held_;
};
