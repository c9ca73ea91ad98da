// The keys' actions: the text a key inserts, deletion (held down it repeats), the
// degree/radian toggle on the shift key, the rows of the mode keys, the globe key, the
// precision slider and the key click.
#include <cmath>
#include <exception>
#include <string>

#include "keyboard/KeyboardSettingsKeys.h"
#include "keyboard/KeyboardViewController.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"

namespace {

// The standard keyboard click.
constexpr uint32_t kKeyClickSound = 1104;
constexpr double kBackspaceRepeatInterval = 0.25;
constexpr float kSliderSteps = 13;

enum KeyboardMode : int64_t { Letters = 0, Numbers = 1, Symbols = 2 };

// The text a key inserts, by the key's text; first match wins.
std::u16string insertedText(const std::u16string& key, bool radians) {
    if (key == u"sin" || key == u"cos" || key == u"tan") return key + (radians ? u"" : u"d") + u"(";
    if (key == u"asin" || key == u"acos" || key == u"atan") return (radians ? u"" : u"rtod(") + key + u"(";
    static const std::pair<std::u16string_view, std::u16string_view> kMapped[] = {
        {u"xʸ", u"^"}, {u"ln", u"ln("}, {u"log", u"log("}, {u"ʸ√x", u"^(1/"}, {u"eˣ", u"e^("}, {u"x!", u"!"},
        {u"EE", u"E"}, {u"+", u" + "}, {u"-", u" - "},  {u"/", u"/"},     {u"*", u"*"},     {u"1/x", u"1/"}};
    for (const auto& [text, inserted] : kMapped) {
        if (key == text) return std::u16string(inserted);
    }
    return key;
}

// Toward zero, within the range of a 32-bit integer.
int truncatedValue(float value) {
    if (!(value > -2147483648.0f)) return std::isnan(value) ? 0 : INT32_MIN;
    return value < 2147483647.0f ? static_cast<int>(value) : INT32_MAX;
}

void setImages(MXButton* key, const MXUIEnvironment& environment, std::u16string_view normal,
               std::u16string_view highlighted) {
    if (!key) return;
    key->setImage(environment.imageNamed(normal), MXControlState::Normal);
    key->setImage(environment.imageNamed(highlighted), MXControlState::Highlighted);
}

void setHidden(const std::shared_ptr<MXView>& view, bool hidden) {
    if (view) view->setHidden(hidden);
}

}  // namespace

void KeyboardViewController::playTap() {
    if (isOpenAccessGranted()) host_.playSystemSound(kKeyClickSound);
}

void KeyboardViewController::keyPressed(MXButton& key) {
    playTap();
    typeText(insertedText(key.currentTitle(), isRAD_));
}

void KeyboardViewController::typeText(std::u16string_view text) {
    if (canType_) textDocumentProxy().insertText(text);
    processString(text);
}

void KeyboardViewController::backspaceKeyPressed(MXButton& /*key*/) {
    playTap();
    if (canType_) textDocumentProxy().deleteBackward();
    resultsLabel().deleteBackward();
    processString(u"");
}

void KeyboardViewController::backSpacePressed(MXGestureRecognizer& recognizer) {
    if (recognizer.state() == MXGestureRecognizerState::Began) {
        std::weak_ptr<MXGestureRecognizer> weak = recognizer.weak_from_this();
        afterDelay(kBackspaceRepeatInterval, [this, weak] {
            if (auto held = weak.lock()) backSpacePressed(*held);
        });
    }
    if (recognizer.state() != MXGestureRecognizerState::Ended) {
        if (auto* key = dynamic_cast<MXControl*>(recognizer.view())) {
            key->sendActionsForControlEvents(MXControlEventTouchUpInside);
        }
    }
}

void KeyboardViewController::shiftKeyPressed() {
    shiftStatus_ = shiftStatus_ < 1 ? 1 : 0;
    shiftKeys();
}

void KeyboardViewController::shiftKeys() {
    playTap();
    isRAD_ = shiftStatus_ != 0;
    const std::u16string status = MXFromUtf8(std::to_string(shiftStatus_));
    setImages(views_.shiftButton.get(), environment_, u"shift_" + status + u".png", u"shift_" + status + u"HL.png");
}

void KeyboardViewController::switchKeyboardMode(MXButton& key) {
    const int64_t mode = key.tag();
    for (const auto* row : {&views_.numbersRow1View, &views_.numbersRow2View, &views_.symbolsRow1View,
                            &views_.symbolsRow2View, &views_.numbersSymbolsRow3View}) {
        setHidden(*row, true);
    }
    MXButton* row3 = views_.switchModeRow3Button.get();
    MXButton* row4 = views_.switchModeRow4Button.get();
    if (row3) row3->setEnabled(true);
    if (mode == Symbols) {
        setHidden(views_.symbolsRow1View, false);
        setHidden(views_.symbolsRow2View, false);
        setHidden(views_.numbersSymbolsRow3View, false);
        setImages(row3, environment_, u"shift_2.png", u"shift_2HL.png");
        if (row3) row3->setTag(Numbers);
    } else if (mode == Numbers) {
        setHidden(views_.numbersRow1View, false);
        setHidden(views_.numbersRow2View, false);
        setHidden(views_.numbersSymbolsRow3View, false);
        setImages(row3, environment_, u"symbols.png", u"symbolsHL.png");
        if (row3) {
            row3->setTag(Symbols);
            row3->setEnabled(false);
        }
        setImages(row4, environment_, u"abc.png", u"abcHL.png");
        if (row4) row4->setTag(Letters);
    } else {
        setImages(row4, environment_, u"shift_2.png", u"shift_2HL.png");
        if (row4) row4->setTag(Numbers);
    }
}

void KeyboardViewController::globeKeyPressed(MXButton& /*key*/) {
    if (host_.handlesInputModeList()) return;
    playTap();
    advanceToNextInputMode();
}

void KeyboardViewController::spaceSliderSlid(MXSlider& slider) {
    const float maximum = slider.maximumValue();
    float position = std::round(slider.value() / maximum * kSliderSteps);
    if (!std::isfinite(position)) position = 0;
    slider.setValue(maximum * position / kSliderSteps);
    const int value = truncatedValue(slider.value());
    drawSliderLabel(slider, value);
    settings_.store().setInteger(value, KeyboardKeySaveINTMAX);
    evaluate(resultsLabel().text());
}

void KeyboardViewController::drawSliderLabel(MXSlider& slider, int value) {
    if (!sliderLabel_) {
        if (slider.subviews().empty()) return;
        MXView& thumb = *slider.subviews().back();
        sliderLabel_ = environment_.viewFactory().makeLabel();
        sliderLabel_->setFrame(thumb.bounds());
        sliderLabel_->setBackgroundColor(MXColor::clearColor());
        sliderLabel_->setTextColor(MXColor::whiteColor());
        sliderLabel_->setTextAlignment(MXTextAlignment::Center);
        thumb.addSubview(sliderLabel_);
    }
    sliderLabel_->setTransform(MXAffineTransform::translation(0, value > 9 ? 2 : 1));
    sliderLabel_->setTransform(sliderLabel_->transform().concat(MXAffineTransform::scale(0.5, 1.0)));
    sliderLabel_->setText(MXFromUtf8(std::to_string(value)));
}

void KeyboardViewController::connectActions() {
    for (const KeyboardKeyAction& entry : views_.keys) {
        if (entry.key) connectKey(*entry.key, entry.action);
    }
    if (views_.spaceSwitch) {
        views_.spaceSwitch->addAction(MXControlEventValueChanged, [this](MXControl& control) {
            spaceSwitchPressed(static_cast<MXSwitch&>(control));
        });
    }
    if (views_.spaceSlider) {
        views_.spaceSlider->addAction(MXControlEventValueChanged, [this](MXControl& control) {
            spaceSliderSlid(static_cast<MXSlider&>(control));
        });
    }
}

// A key runs its action on touch-up-inside. A failure inside an action is logged and goes
// no further: the platform's event loop must never see it.
void KeyboardViewController::connectKey(MXButton& key, const std::string& action) {
    using Operation = void (*)(KeyboardViewController&, MXButton&);
    static const std::pair<std::string_view, Operation> kOperations[] = {
        {"keyPressed", [](KeyboardViewController& c, MXButton& k) { c.keyPressed(k); }},
        {"backspaceKeyPressed", [](KeyboardViewController& c, MXButton& k) { c.backspaceKeyPressed(k); }},
        {"spaceKeyPressed", [](KeyboardViewController& c, MXButton& k) { c.spaceKeyPressed(k); }},
        {"returnKeyPressed", [](KeyboardViewController& c, MXButton& k) { c.returnKeyPressed(k); }},
        {"switchKeyboardMode", [](KeyboardViewController& c, MXButton& k) { c.switchKeyboardMode(k); }},
        {"globeKeyPressed", [](KeyboardViewController& c, MXButton& k) { c.globeKeyPressed(k); }},
        {"shiftKeyPressed", [](KeyboardViewController& c, MXButton&) { c.shiftKeyPressed(); }}};
    for (const auto& [name, operation] : kOperations) {
        if (name != action) continue;
        key.addAction(MXControlEventTouchUpInside, [this, operation = operation](MXControl& control) {
            try {
                operation(*this, static_cast<MXButton&>(control));
            } catch (const std::exception& failure) {
                MXLog(u"error: " + MXFromUtf8(failure.what()));
            }
        });
    }
}
