#pragma once
// An editable text with an insertion point (the keyboard's expression view).
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/ui/MXView.h"

class MXTextView : public MXView {
public:
    virtual std::u16string text() const = 0;
    // Replaces the whole text; the insertion point moves to its end.
    virtual void setText(std::u16string text) = 0;
    // Inserts at the insertion point, replacing a selection; the point moves past it.
    virtual void insertText(std::u16string_view text) = 0;
    // Deletes the selection, or the character (grapheme) before the insertion point.
    virtual void deleteBackward() = 0;
    // Scrolls so that the range of UTF-16 units is visible.
    virtual void scrollRangeToVisible(size_t location, size_t length) = 0;

    virtual bool isFirstResponder() const = 0;
    virtual void becomeFirstResponder() = 0;
    virtual void resignFirstResponder() = 0;
};
