#include "keyboard/KeyboardHeadless.h"

#include "keyboard/KeyboardKeyLookup.h"

namespace {

MXPoint centreOf(const MXView& view) { return {view.frame().size.width / 2, view.frame().size.height / 2}; }

}  // namespace

KeyboardHeadless::KeyboardHeadless(MXUserDefaults ownStore, MXUserInterfaceIdiom idiom, const KeyboardLayout& layout) {
    environment_.setUserInterfaceIdiom(idiom);
    for (const auto& [name, size] : layout.images) environment_.addImage(name, size);
    controller_ = std::make_unique<KeyboardViewController>(host_, environment_, KeyboardBuildViews(layout, environment_),
                                                           std::move(ownStore));
}

MXButton* KeyboardHeadless::key(std::u16string_view title) const { return KeyboardFindKey(views(), title); }

MXButton* KeyboardHeadless::modeKey(int64_t mode) const { return KeyboardFindModeKey(views(), mode); }

void KeyboardHeadless::tap(MXButton& key) const {
    key.touchDown(centreOf(key));
    key.touchUp(centreOf(key));
}
