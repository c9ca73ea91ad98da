#pragma once
// The IBus engine type of the calculator keyboard. IBus makes one engine object per input
// context; each holds its own IBusCalculatorContext. Every call from IBus is answered at
// once: a failure is logged and, for a key, the key passed on to the application. The
// degree/radian choice is the process's, so every window follows the panel's last choice;
// the other controls come from the settings stores.
#include <ibus.h>

inline constexpr const char* IBusCalculatorEngineName = "mxcalc";

GType IBusCalculatorEngineType();
