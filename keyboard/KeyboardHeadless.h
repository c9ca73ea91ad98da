#pragma once
// A keyboard without a screen: the controller over headless views and a headless host
// whose document is a string. Drives the tests, the benchmark and mxcalc --keyboard.
#include <memory>

#include "keyboard/KeyboardViewController.h"
#include "platform/ui/headless/MXHeadlessButton.h"
#include "platform/ui/headless/MXHeadlessInputMethodHost.h"
#include "platform/ui/headless/MXHeadlessTextView.h"

class KeyboardHeadless {
public:
    explicit KeyboardHeadless(MXUserDefaults ownStore = MXUserDefaults::standardUserDefaults())
        : controller_(host_, KeyboardViews{resultsLabel_, spaceButton_}, std::move(ownStore)) {}
    KeyboardHeadless(const KeyboardHeadless&) = delete;
    KeyboardHeadless& operator=(const KeyboardHeadless&) = delete;

    KeyboardViewController& controller() { return controller_; }
    MXHeadlessInputMethodHost& host() { return host_; }
    MXHeadlessTextView& resultsLabel() { return *resultsLabel_; }
    MXHeadlessButton& spaceButton() { return *spaceButton_; }

    // The result display: the space key's title.
    std::u16string spaceTitle() const { return spaceButton_->titleForState(MXControlState::Normal); }
    const std::u16string& document() { return host_.textDocumentProxy().document(); }

private:
    MXHeadlessInputMethodHost host_;
    std::shared_ptr<MXHeadlessTextView> resultsLabel_ = std::make_shared<MXHeadlessTextView>();
    std::shared_ptr<MXHeadlessButton> spaceButton_ = std::make_shared<MXHeadlessButton>();
    KeyboardViewController controller_;
};
