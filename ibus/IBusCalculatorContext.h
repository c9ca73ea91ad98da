#pragma once
// The calculator keyboard of one input context: a controller and an expression of its own
// over the context's IBus engine, so two windows never share an expression. Keys of the
// computer's keyboard become the keyboard's operations (IBusKeyRoute.h); after each key the
// expression and its result are shown (IBusInputMethodHost.h). The switch and the slider
// store their settings in the same stores as every other front end of the keyboard.
#include <ibus.h>

#include <string>

#include "ibus/IBusInputMethodHost.h"
#include "ibus/IBusKeyRoute.h"
#include "keyboard/KeyboardViewController.h"
#include "platform/ui/MXUIEnvironment.h"

class IBusCalculatorContext {
public:
    IBusCalculatorContext(IBusEngine* engine, MXUIEnvironment& environment);

    // Whether the key was used; an unused key reaches the application. A failure inside the
    // keyboard is logged, the expression emptied and the key passed on.
    bool processKey(guint keyval, guint modifiers);
    // Empties the expression: the user has moved away from it.
    void forget();
    // Empties the expression and shows that to a client that has just got the focus.
    void focusIn();
    // Takes over the stored settings, which another input context may have changed.
    void applyStoredSettings();

    bool canType() const { return controller_.canType(); }
    // The switch: typing into the application on or off, stored as "saveCanType".
    void setCanType(bool on);
    bool radians() const { return controller_.isRAD(); }
    // The shift key's degree/radian toggle.
    void setRadians(bool on);
    int precision() const;
    // The slider's position 0 to 13, stored as "saveINTMAX" (0 means 11 fraction digits).
    void setPrecision(int position);

private:
    bool route(const IBusRoutedKey& key);
    void typeCharacter(const std::u16string& text);
    bool pressFunctionKey();
    bool pressSpace();
    bool pressReturn();
    bool pressBackspace();
    void show();

    IBusInputMethodHost host_;
    KeyboardViewController controller_;
    // Stands for the computer's key passed to the keyboard's operations.
    MXButton typedKey_;
};
