#pragma once
// The keyboard's layout, read from its resource (keyboard/layout/KeyboardLayout.json): rows
// of keys in slots (0 is the expression view, 1 to 4 the key rows), each key's title,
// outlet, action, mode tag, image and width in key units; the precision slider's range and
// first value; the switch's first state; the images the keys use; and the geometry of the
// phone and tablet forms. The desktop program and the headless keyboard read the same
// resource, so both have the same keys.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/MXFont.h"
#include "platform/ui/MXGeometry.h"
#include "platform/ui/MXUIEnvironment.h"

struct KeyboardLayoutKey {
    std::u16string title;
    // The controller's name for the key ("shiftButton"); empty for an ordinary key.
    std::u16string outlet;
    // The controller operation the key runs ("keyPressed" unless the layout says otherwise).
    std::string action = "keyPressed";
    int64_t tag = 0;
    // The image of the normal state; empty for none.
    std::u16string image;
    double width = 1;
    // What the key is called for accessibility when its title does not say it.
    std::u16string accessibleName;
};

struct KeyboardLayoutRow {
    // The controller's name for the row view; empty for a row it does not name.
    std::u16string outlet;
    int slot = 1;
    // Key units left free before the first key.
    double offset = 0;
    bool hidden = false;
    // Its keys are letter keys.
    bool letters = false;
    std::vector<KeyboardLayoutKey> keys;
};

struct KeyboardLayoutGeometry {
    double width = 320;
    double expressionHeight = 56;
    double rowHeight = 46;
    double spacing = 5;
    MXSize switchSize{51, 31};
    double sliderHeight = 31;
    MXFont keyFont;
    MXFont expressionFont;
};

struct KeyboardLayout {
    std::vector<KeyboardLayoutRow> rows;
    float sliderMinimum = 0;
    float sliderMaximum = 13;
    float sliderValue = 0;
    bool switchOn = true;
    std::map<std::u16string, MXSize> images;
    KeyboardLayoutGeometry phone;
    KeyboardLayoutGeometry pad;

    // The keyboard's own layout, read once.
    static const KeyboardLayout& standard();
    // Throws std::invalid_argument saying what is wrong with the text.
    static KeyboardLayout fromJSON(std::string_view text);

    const KeyboardLayoutGeometry& geometry(MXUserInterfaceIdiom idiom) const {
        return idiom == MXUserInterfaceIdiom::Pad ? pad : phone;
    }
    // The number of key rows below the expression view.
    int rowCount() const;
};

// The layout resource's text, built into the program.
extern const char KeyboardLayoutResource[];
