// From a key event of IBus to the keyboard's operations, and from the keyboard's state to
// what the user sees.
#include "ibus/IBusCalculatorContext.h"

#include <cmath>
#include <exception>

#include "keyboard/KeyboardSettingsKeys.h"
#include "keyboard/KeyboardViewBuilder.h"
#include "platform/log/MXLog.h"

namespace {

// Typed with a "(" after them these are the keyboard's function keys, which know degrees.
constexpr std::u16string_view kAngleFunctions[] = {u"asin", u"acos", u"atan", u"sin", u"cos", u"tan"};

bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// The text ends with the whole word `name`.
bool endsWithWord(const std::u16string& text, std::u16string_view name) {
    if (!std::u16string_view(text).ends_with(name)) return false;
    return text.size() == name.size() || !isAsciiLetter(text[text.size() - name.size() - 1]);
}

}  // namespace

IBusCalculatorContext::IBusCalculatorContext(IBusEngine* engine, MXUIEnvironment& environment)
    : host_(engine), controller_(host_, environment, KeyboardBuildViews(KeyboardLayout::standard(), environment)) {
    controller_.viewDidLoad();
    controller_.viewDidAppear(false);
}

bool IBusCalculatorContext::processKey(guint keyval, guint modifiers) {
    try {
        const bool used = route(IBusRouteKey(keyval, modifiers));
        show();
        return used;
    } catch (const std::exception& failure) {
        MXLog(std::string("error: ") + failure.what());
    }
    try {
        forget();
    } catch (const std::exception& failure) {
        MXLog(std::string("error: ") + failure.what());
    }
    return false;
}

bool IBusCalculatorContext::route(const IBusRoutedKey& key) {
    switch (key.route) {
        case IBusKeyRoute::Text: typeCharacter(key.text); return true;
        case IBusKeyRoute::Backspace: return pressBackspace();
        case IBusKeyRoute::Space: return pressSpace();
        case IBusKeyRoute::Return: return pressReturn();
        case IBusKeyRoute::CursorMove: forget(); return false;
        case IBusKeyRoute::PassThrough: return false;
    }
    return false;
}

// The character as typed: "+" stays "+" (the on-screen key's spaces are its own).
void IBusCalculatorContext::typeCharacter(const std::u16string& text) {
    if (text == u"(" && pressFunctionKey()) return;
    controller_.typeText(text);
}

// In degree mode "sin(" typed is the sin key: the name is taken back and the key pressed,
// which types "sind(" ("rtod(asin(" for asin). Radian mode types the key's text as it is.
bool IBusCalculatorContext::pressFunctionKey() {
    if (controller_.isRAD()) return false;
    const std::u16string expression = controller_.resultsLabel().text();
    for (const std::u16string_view name : kAngleFunctions) {
        if (!endsWithWord(expression, name)) continue;
        for (size_t i = 0; i < name.size(); ++i) controller_.backspaceKeyPressed(typedKey_);
        typedKey_.setTitle(std::u16string(name), MXControlState::Normal);
        controller_.keyPressed(typedKey_);
        return true;
    }
    return false;
}

// With no result showing the space is typed and ends the expression, as a word ends there.
bool IBusCalculatorContext::pressSpace() {
    const bool showsResult = !controller_.spaceButton().titleForState(MXControlState::Normal).empty();
    controller_.spaceKeyPressed(controller_.spaceButton());
    if (!showsResult) forget();
    return true;
}

// With no result showing the application gets its Return (a line break, sending a message).
bool IBusCalculatorContext::pressReturn() {
    if (controller_.spaceButton().titleForState(MXControlState::Normal).empty()) {
        forget();
        return false;
    }
    controller_.returnKeyPressed(controller_.spaceButton());
    return true;
}

// BackSpace edits the expression while there is one; otherwise it is the application's.
bool IBusCalculatorContext::pressBackspace() {
    if (controller_.resultsLabel().text().empty()) return false;
    controller_.backspaceKeyPressed(typedKey_);
    return true;
}

void IBusCalculatorContext::forget() {
    controller_.resultsLabel().setText(u"");
    controller_.evaluate();
    show();
}

void IBusCalculatorContext::focusIn() {
    host_.forgetShown();
    forget();
}

void IBusCalculatorContext::show() {
    host_.showExpression(controller_.resultsLabel().text(), controller_.spaceButton().titleForState(MXControlState::Normal),
                         !controller_.canType());
}

void IBusCalculatorContext::applyStoredSettings() {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    const std::optional<MXSettingsValue> storedCanType = store.objectForKey(KeyboardKeySaveCanType);
    const bool storedOn = !storedCanType || MXSettingsIntegerValue(*storedCanType) != 0;
    if (storedOn != canType()) setCanType(storedOn);
    const int64_t storedPrecision = store.integerForKey(KeyboardKeySaveINTMAX);
    if (storedPrecision != precision()) setPrecision(static_cast<int>(storedPrecision));
}

// Text already typed into the application is not shown again as preedit: the expression
// starts afresh.
void IBusCalculatorContext::setCanType(bool on) {
    if (const auto& control = controller_.views().spaceSwitch) {
        control->setOn(on);
        control->sendActionsForControlEvents(MXControlEventValueChanged);
    } else {
        controller_.setCanType(on);
    }
    forget();
}

void IBusCalculatorContext::setRadians(bool on) {
    if (radians() != on) controller_.shiftKeyPressed();
}

int IBusCalculatorContext::precision() const {
    const auto& slider = controller_.views().spaceSlider;
    return slider ? static_cast<int>(std::trunc(slider->value())) : 0;
}

void IBusCalculatorContext::setPrecision(int position) {
    const auto& slider = controller_.views().spaceSlider;
    if (!slider) return;
    slider->setValue(static_cast<float>(position));
    slider->sendActionsForControlEvents(MXControlEventValueChanged);
    show();
}
