#include "keyboard/KeyboardStoredValues.h"

#include "keyboard/KeyboardSettingsKeys.h"

KeyboardStoredValues::KeyboardStoredValues(MXUserDefaults ownStore)
    : ownStore_(std::move(ownStore)), sharedStore_(ownStore_.suite(MXAppGroupIdentifier)) {}

double KeyboardStoredValues::sharedVariableValue() const { return sharedStore_.doubleForKey(KeyboardKeyVarXvalue); }

void KeyboardStoredValues::noteRadicandSign(bool negative) {
    if (negative) {
        ownStore_.setInteger(1, KeyboardKeyIntIMAGINARY);
    } else if (ownStore_.integerForKey(KeyboardKeyIntIMAGINARY) == 1) {
        ownStore_.setInteger(0, KeyboardKeyIntIMAGINARY);
    }
}
