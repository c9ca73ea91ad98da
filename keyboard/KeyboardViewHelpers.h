#pragma once
// Helpers every view and key of the keyboard shares: styling the keys below a view,
// rounded key borders, the highlighted look of every key, and one-colour images.
#include <functional>
#include <string>

#include "platform/ui/MXButton.h"
#include "platform/ui/MXUIEnvironment.h"

namespace HelperView {

// Styles every key below `view` for the device (phone keys get 16-point titles, 14 for
// asin, acos and atan), gives the decimal-point key the decimal separator as its title,
// and hands each key to `block`. Labels are not searched, nor are keys.
void forEachUIButtonDoBlock(MXView& view, MXUserInterfaceIdiom idiom, const std::u16string& decimalSeparator,
                            const std::function<void(MXButton&)>& block);

// Rounds the key's corners when `setting` (as a 32-bit value) is not 0.
void setBorderForButton(MXButton& button, int64_t setting);

}  // namespace HelperView

namespace HelperButton {

// The highlighted look of every key: touch glow, light grey title, dark grey background.
void setHighlighted(MXButton& button, bool highlighted);

// A 1 by 1 point image filled with the colour.
MXImage imageFromColor(const MXColor& color);

}  // namespace HelperButton
