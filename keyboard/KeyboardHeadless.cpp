#include "keyboard/KeyboardHeadless.h"

namespace {

// Hidden itself or below a hidden view.
bool isShown(const MXView& view) {
    for (const MXView* at = &view; at; at = at->superview()) {
        if (at->isHidden()) return false;
    }
    return true;
}

MXPoint centreOf(const MXView& view) { return {view.frame().size.width / 2, view.frame().size.height / 2}; }

}  // namespace

KeyboardHeadless::KeyboardHeadless(MXUserDefaults ownStore, MXUserInterfaceIdiom idiom, const KeyboardLayout& layout) {
    environment_.setUserInterfaceIdiom(idiom);
    for (const auto& [name, size] : layout.images) environment_.addImage(name, size);
    controller_ = std::make_unique<KeyboardViewController>(host_, environment_, KeyboardBuildViews(layout, environment_),
                                                           std::move(ownStore));
}

MXButton* KeyboardHeadless::key(std::u16string_view title) const {
    const KeyboardViews& all = controller_->views();
    const std::pair<std::u16string_view, MXButton*> special[] = {
        {u"shiftButton", all.shiftButton.get()},   {u"backSpaceButton", all.backSpaceButton.get()},
        {u"spaceButton", all.spaceButton.get()},   {u"returnButton", all.returnButton.get()},
        {u"globeButton", all.globeButton.get()},   {u"switchModeRow3Button", all.switchModeRow3Button.get()},
        {u"switchModeRow4Button", all.switchModeRow4Button.get()}};
    for (const auto& [name, button] : special) {
        if (name == title) return button;
    }
    MXButton* hidden = nullptr;
    for (const KeyboardKeyAction& entry : all.keys) {
        if (entry.key->currentTitle() != title) continue;
        if (entry.key->isEnabled() && isShown(*entry.key)) return entry.key.get();
        if (!hidden) hidden = entry.key.get();
    }
    return hidden;
}

MXButton* KeyboardHeadless::modeKey(int64_t mode) const {
    for (const KeyboardKeyAction& entry : controller_->views().keys) {
        const MXButton& key = *entry.key;
        if (entry.action == "switchKeyboardMode" && key.tag() == mode && key.isEnabled() && isShown(key)) {
            return entry.key.get();
        }
    }
    return nullptr;
}

void KeyboardHeadless::tap(MXButton& key) const {
    key.touchDown(centreOf(key));
    key.touchUp(centreOf(key));
}
