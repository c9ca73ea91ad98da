#include "keyboard/KeyboardLayout.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <stdexcept>

#include "platform/text/MXText.h"

namespace {

using Json = nlohmann::json;

std::u16string text16(const Json& value) { return MXFromUtf8(value.get<std::string>()); }

MXSize sizeOf(const Json& pair) { return {pair.at(0).get<double>(), pair.at(1).get<double>()}; }

MXFont fontOf(const Json& pair) { return {text16(pair.at(0)), pair.at(1).get<double>()}; }

KeyboardLayoutKey keyOf(const Json& entry) {
    KeyboardLayoutKey key;
    if (entry.is_string()) {
        key.title = text16(entry);
        return key;
    }
    key.title = text16(entry.value("title", ""));
    key.outlet = text16(entry.value("outlet", ""));
    key.action = entry.value("action", key.action);
    key.tag = entry.value("tag", key.tag);
    key.image = text16(entry.value("image", ""));
    key.width = entry.value("width", key.width);
    key.accessibleName = text16(entry.value("name", ""));
    return key;
}

KeyboardLayoutRow rowOf(const Json& entry) {
    KeyboardLayoutRow row;
    row.outlet = text16(entry.value("outlet", ""));
    row.slot = entry.at("slot").get<int>();
    row.offset = entry.value("offset", 0.0);
    row.hidden = entry.value("hidden", false);
    row.letters = entry.value("letters", false);
    for (const Json& key : entry.at("keys")) row.keys.push_back(keyOf(key));
    return row;
}

KeyboardLayoutGeometry geometryOf(const Json& entry) {
    KeyboardLayoutGeometry geometry;
    geometry.width = entry.at("width").get<double>();
    geometry.expressionHeight = entry.at("expressionHeight").get<double>();
    geometry.rowHeight = entry.at("rowHeight").get<double>();
    geometry.spacing = entry.at("spacing").get<double>();
    geometry.switchSize = sizeOf(entry.at("switchSize"));
    geometry.sliderHeight = entry.at("sliderHeight").get<double>();
    geometry.keyFont = fontOf(entry.at("keyFont"));
    geometry.expressionFont = fontOf(entry.at("expressionFont"));
    return geometry;
}

KeyboardLayout layoutOf(const Json& document) {
    KeyboardLayout layout;
    for (const Json& row : document.at("rows")) layout.rows.push_back(rowOf(row));
    const Json& slider = document.at("slider");
    layout.sliderMinimum = slider.at("minimum").get<float>();
    layout.sliderMaximum = slider.at("maximum").get<float>();
    layout.sliderValue = slider.at("value").get<float>();
    layout.switchOn = document.at("switch").at("on").get<bool>();
    for (const auto& [name, size] : document.at("images").items()) layout.images[MXFromUtf8(name)] = sizeOf(size);
    layout.phone = geometryOf(document.at("geometry").at("phone"));
    layout.pad = geometryOf(document.at("geometry").at("pad"));
    return layout;
}

}  // namespace

KeyboardLayout KeyboardLayout::fromJSON(std::string_view text) {
    try {
        return layoutOf(Json::parse(text));
    } catch (const Json::exception& failure) {
        throw std::invalid_argument(std::string("keyboard layout: ") + failure.what());
    }
}

const KeyboardLayout& KeyboardLayout::standard() {
    static const KeyboardLayout layout = fromJSON(KeyboardLayoutResource);
    return layout;
}

int KeyboardLayout::rowCount() const {
    int count = 0;
    for (const KeyboardLayoutRow& row : rows) count = std::max(count, row.slot);
    return count;
}
