#pragma once
// A keyboard without a screen: the controller over the layout's views built headless, a
// headless host whose document is a string, and a virtual clock for delayed calls. Drives
// the tests, the benchmarks and mxcalc --keyboard. Nothing is loaded until viewDidLoad.
#include <memory>
#include <string_view>

#include "keyboard/KeyboardLayout.h"
#include "keyboard/KeyboardViewBuilder.h"
#include "keyboard/KeyboardViewController.h"
#include "platform/ui/headless/MXHeadlessInputMethodHost.h"
#include "platform/ui/headless/MXHeadlessUIEnvironment.h"

class KeyboardHeadless {
public:
    explicit KeyboardHeadless(MXUserDefaults ownStore = MXUserDefaults::standardUserDefaults(),
                              MXUserInterfaceIdiom idiom = MXUserInterfaceIdiom::Phone,
                              const KeyboardLayout& layout = KeyboardLayout::standard());
    KeyboardHeadless(const KeyboardHeadless&) = delete;
    KeyboardHeadless& operator=(const KeyboardHeadless&) = delete;

    KeyboardViewController& controller() { return *controller_; }
    MXHeadlessInputMethodHost& host() { return host_; }
    MXHeadlessUIEnvironment& environment() { return environment_; }
    MXTextView& resultsLabel() { return controller_->resultsLabel(); }
    MXButton& spaceButton() { return controller_->spaceButton(); }
    const KeyboardViews& views() const { return controller_->views(); }

    // The result display: the space key's title.
    std::u16string spaceTitle() const { return controller_->spaceButton().titleForState(MXControlState::Normal); }
    const std::u16string& document() { return host_.textDocumentProxy().document(); }

    // A special key by its outlet name, else the layout's first key with this title as
    // shown now (a visible, enabled one before any other); nothing when there is none.
    MXButton* key(std::u16string_view title) const;
    // The first visible, enabled mode key that switches to the mode (0 letters, 1 numbers,
    // 2 symbols); nothing when the keyboard shows none.
    MXButton* modeKey(int64_t mode) const;
    // A finger down and up again on the key.
    void tap(MXButton& key) const;

private:
    MXHeadlessInputMethodHost host_;
    MXHeadlessUIEnvironment environment_;
    std::unique_ptr<KeyboardViewController> controller_;
};
