#pragma once
// The built-ins' stored values in the keyboard's settings stores, as mxcalc and the keyboard
// keep them: varx reads "varXvalue" of the shared store afresh on every call (the
// containing application may change it at any time); nthroot's flag is "intIMAGINARY" of
// the own store.
#include "engine/evaluator/MXStoredValues.h"
#include "platform/settings/MXUserDefaults.h"

class KeyboardStoredValues : public MXStoredValues {
public:
    // The own store and the app group's store beside it.
    explicit KeyboardStoredValues(MXUserDefaults ownStore = MXUserDefaults::standardUserDefaults());

    double sharedVariableValue() const override;
    void noteRadicandSign(bool negative) override;

private:
    MXUserDefaults ownStore_;
    MXUserDefaults sharedStore_;
};
