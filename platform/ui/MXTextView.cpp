#include "platform/ui/MXTextView.h"

#include <algorithm>

// Without a text layout: one line per line feed, each 1.2 font sizes high.
MXSize MXTextView::contentSize() const {
    const std::u16string content = text();
    const auto lines = static_cast<double>(1 + std::count(content.begin(), content.end(), u'\n'));
    return {frame().size.width, inset_.top + inset_.bottom + lines * font_.pointSize * 1.2};
}
