#include "keyboard/KeyboardViewController.h"

namespace {

// The standard keyboard click.
constexpr uint32_t kKeyClickSound = 1104;

}  // namespace

KeyboardViewController::KeyboardViewController(MXInputMethodHost& host, KeyboardViews views, MXUserDefaults ownStore)
    : host_(host), views_(std::move(views)), settings_(std::move(ownStore)) {}

KeyboardViewController::~KeyboardViewController() = default;

// The host plays the sound without waiting for it to end.
void KeyboardViewController::playTap() { host_.playSystemSound(kKeyClickSound); }
