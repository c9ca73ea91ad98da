#include "ibus/IBusCalculatorProperties.h"

#include <charconv>
#include <string>

namespace {

constexpr int kPrecisionPositions = 14;

IBusPropState stateOf(bool on) { return on ? PROP_STATE_CHECKED : PROP_STATE_UNCHECKED; }

IBusProperty* toggle(std::string_view key, const char* label, bool on) {
    return ibus_property_new(std::string(key).c_str(), PROP_TYPE_TOGGLE, ibus_text_new_from_static_string(label), nullptr,
                             nullptr, TRUE, TRUE, stateOf(on), nullptr);
}

std::string precisionLabel(int position) {
    return position == 0 ? "0 (11 fraction digits)" : std::to_string(position) + " fraction digits";
}

IBusProperty* precisionMenu(int current) {
    IBusPropList* choices = ibus_prop_list_new();
    for (int position = 0; position < kPrecisionPositions; ++position) {
        const std::string key = std::string(IBusPropertyPrecision) + "." + std::to_string(position);
        ibus_prop_list_append(
            choices, ibus_property_new(key.c_str(), PROP_TYPE_RADIO, ibus_text_new_from_string(precisionLabel(position).c_str()),
                                       nullptr, nullptr, TRUE, TRUE, stateOf(position == current), nullptr));
    }
    const std::string label = "Precision: " + precisionLabel(current);
    return ibus_property_new(std::string(IBusPropertyPrecision).c_str(), PROP_TYPE_MENU,
                             ibus_text_new_from_string(label.c_str()), nullptr, nullptr, TRUE, TRUE, PROP_STATE_UNCHECKED,
                             choices);
}

}  // namespace

IBusPropList* IBusCalculatorProperties(const IBusCalculatorContext& context) {
    IBusPropList* properties = ibus_prop_list_new();
    ibus_prop_list_append(properties, toggle(IBusPropertyRadians, "Angles in radians", context.radians()));
    ibus_prop_list_append(properties, toggle(IBusPropertyCanType, "Type into the application", context.canType()));
    ibus_prop_list_append(properties, precisionMenu(context.precision()));
    return properties;
}

bool IBusCalculatorActivateProperty(IBusCalculatorContext& context, std::string_view name, guint state) {
    const bool on = state == PROP_STATE_CHECKED;
    if (name == IBusPropertyRadians) {
        context.setRadians(on);
        return true;
    }
    if (name == IBusPropertyCanType) {
        context.setCanType(on);
        return true;
    }
    const std::string prefix = std::string(IBusPropertyPrecision) + ".";
    if (!name.starts_with(prefix)) return false;
    const std::string_view digits = name.substr(prefix.size());
    int position = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), position);
    if (error != std::errc() || end != digits.data() + digits.size() || position < 0 || position >= kPrecisionPositions) {
        return false;
    }
    // Choosing one radio entry unchecks the others; only the chosen one moves the slider.
    if (on) context.setPrecision(position);
    return true;
}
