#pragma once
// The keyboard's controls as IBus properties, the entries of the panel's menu: the
// degree/radian toggle of the shift key, the switch that turns typing into the application
// on or off, and the precision slider's fourteen positions as a menu of choices.
#include <ibus.h>

#include <string_view>

#include "ibus/IBusCalculatorContext.h"

inline constexpr std::string_view IBusPropertyRadians = "mxcalc.radians";
inline constexpr std::string_view IBusPropertyCanType = "mxcalc.type-into-application";
inline constexpr std::string_view IBusPropertyPrecision = "mxcalc.precision";

// The properties as the context's state stands (a floating reference).
IBusPropList* IBusCalculatorProperties(const IBusCalculatorContext& context);
// Applies the activation of a property by the user; false when the name is none of ours.
bool IBusCalculatorActivateProperty(IBusCalculatorContext& context, std::string_view name, guint state);
