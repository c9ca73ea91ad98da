// Loading and showing the keyboard: the stored settings applied to the switch and the
// slider, keys styled, gestures installed, the load counted, the layout pass.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>

#include "keyboard/KeyboardSettingsKeys.h"
#include "keyboard/KeyboardViewController.h"
#include "keyboard/KeyboardViewHelpers.h"

namespace {

constexpr int64_t kMostCountedLoads = 998;
constexpr double kBackspaceRepeatDelay = 0.4;

// Toward zero, within the range of a 32-bit integer (not-a-number gives 0).
int64_t truncated(float value) {
    if (std::isnan(value)) return 0;
    return static_cast<int64_t>(std::clamp(std::trunc(static_cast<double>(value)), -2147483648.0, 2147483647.0));
}

void installHighlightedLook() {
    static std::once_flag installed;
    std::call_once(installed, [] { MXButton::setHighlightHandler(HelperButton::setHighlighted); });
}

}  // namespace

KeyboardViewController::KeyboardViewController(MXInputMethodHost& host, MXUIEnvironment& environment,
                                               KeyboardViews views, MXUserDefaults ownStore)
    : host_(host), environment_(environment), views_(std::move(views)),
      sharedStore_(ownStore.suite(MXAppGroupIdentifier)), settings_(std::move(ownStore)) {
    // The result display and the expression must exist; a layout without them gets
    // invisible ones.
    if (!views_.resultsLabel) views_.resultsLabel = std::make_shared<MXTextView>();
    if (!views_.spaceButton) views_.spaceButton = std::make_shared<MXButton>();
    connectActions();
}

KeyboardViewController::~KeyboardViewController() = default;

void KeyboardViewController::initializeKeyboard() {
    installHighlightedLook();
    shiftStatus_ = 0;
    isRAD_ = false;
    if (views_.spaceSwitch) canType_ = views_.spaceSwitch->isOn();
    const MXUserDefaults& store = settings_.store();
    const auto storedPrecision = static_cast<int32_t>(store.integerForKey(KeyboardKeySaveINTMAX));
    const std::optional<MXSettingsValue> storedCanType = store.objectForKey(KeyboardKeySaveCanType);
    canType_ = !storedCanType || MXSettingsIntegerValue(*storedCanType) != 0;
    if (views_.spaceSwitch) views_.spaceSwitch->setOn(canType_);

    float precision = static_cast<float>(storedPrecision);
    if (storedPrecision == 0) precision = views_.spaceSlider ? views_.spaceSlider->value() : 0;
    store.setInteger(truncated(precision), KeyboardKeySaveINTMAX);
    if (views_.spaceSlider) {
        views_.spaceSlider->setValue(static_cast<float>(truncated(precision)));
        views_.spaceSlider->setThumbImage(environment_.imageNamed(u"slide.png"), MXControlState::Normal);
    }
    if (views_.inputView) {
        HelperView::forEachUIButtonDoBlock(*views_.inputView, environment_.userInterfaceIdiom(),
                                           getNumDecimalSeparator(), [](MXButton&) {});
    }
    styleSpaceKey();
    installGestureRecognizers();
    resultsLabel().setText(u"");
    countLoad();
    updateConstraints();
    if (views_.spaceSwitch) spaceSwitchPressed(*views_.spaceSwitch);
}

void KeyboardViewController::viewDidAppear(bool /*animated*/) {
    if (views_.spaceSlider) views_.spaceSlider->sendActionsForControlEvents(MXControlEventValueChanged);
    if (host_.handlesInputModeList() && views_.globeButton && !inputModeListConnected_) {
        inputModeListConnected_ = true;
        views_.globeButton->addAction(MXControlEventAllTouchEvents,
                                      [this](MXControl& globe) { host_.handleInputModeListFromView(globe); });
    }
}

void KeyboardViewController::spaceSwitchPressed(MXSwitch& control) {
    canType_ = control.isOn();
    settings_.store().setInteger(canType_ ? 1 : 0, KeyboardKeySaveCanType);
}

// The containing application reads how often the keyboard was loaded, up to 999.
void KeyboardViewController::countLoad() {
    const auto stored = static_cast<int32_t>(sharedStore_.integerForKey(KeyboardKeyKeyboardInstall));
    sharedStore_.setInteger(std::min<int64_t>(std::llabs(stored), kMostCountedLoads) + 1, KeyboardKeyKeyboardInstall);
}

void KeyboardViewController::installGestureRecognizers() {
    auto install = [](const std::shared_ptr<MXButton>& key, std::shared_ptr<MXGestureRecognizer> recognizer) {
        if (!key) return;
        recognizer->setDelaysTouchesEnded(false);
        key->addGestureRecognizer(std::move(recognizer));
    };
    install(views_.spaceButton, std::make_shared<MXTapGestureRecognizer>(
                                    environment_, [this](MXGestureRecognizer& r) { spaceKeyDoubleTapped(r); }, 2));
    install(views_.backSpaceButton,
            std::make_shared<MXLongPressGestureRecognizer>(
                environment_, [this](MXGestureRecognizer& r) { backSpacePressed(r); }, kBackspaceRepeatDelay));
    install(views_.shiftButton, std::make_shared<MXTapGestureRecognizer>(
                                    environment_, [this](MXGestureRecognizer& r) { shiftKeyDoubleTapped(r); }, 2));
    install(views_.shiftButton, std::make_shared<MXTapGestureRecognizer>(
                                    environment_, [this](MXGestureRecognizer&) { shiftKeyPressed(); }, 3));
}

void KeyboardViewController::afterDelay(double seconds, std::function<void()> call) {
    std::weak_ptr<int> alive = lifetime_;
    environment_.performAfterDelay(seconds, [alive, call = std::move(call)] {
        if (alive.lock()) call();
    });
}
