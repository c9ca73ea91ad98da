#pragma once
// An editable, scrollable text with an insertion point (the keyboard's expression view).
// This class keeps the text itself; a toolkit's view mirrors the edits.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/ui/MXFont.h"
#include "platform/ui/MXTextBuffer.h"
#include "platform/ui/MXView.h"

class MXTextView : public MXView {
public:
    std::u16string text() const { return buffer_.text(); }
    // Replaces the whole text; the insertion point moves to its end.
    virtual void setText(std::u16string text) { buffer_.setText(std::move(text)); }
    // Inserts at the insertion point, replacing a selection; the point moves past it.
    virtual void insertText(std::u16string_view text) { buffer_.insertText(text); }
    // Deletes the selection, or the character (grapheme) before the insertion point.
    virtual void deleteBackward() { buffer_.deleteBackward(); }
    // Throws std::out_of_range for a range beyond the text.
    void setSelectedRange(size_t location, size_t length) { buffer_.setSelectedRange(location, length); }
    size_t insertionPoint() const { return buffer_.selectionLocation(); }

    // Scrolls so that the range of UTF-16 units is visible.
    virtual void scrollRangeToVisible(size_t location, size_t length) { scrolledRange_ = {location, length}; }
    std::optional<std::pair<size_t, size_t>> lastScrolledRange() const { return scrolledRange_; }

    const MXFont& font() const { return font_; }
    virtual void setFont(MXFont font) { font_ = std::move(font); }
    const MXColor& textColor() const { return textColor_; }
    virtual void setTextColor(MXColor color) { textColor_ = color; }
    const MXEdgeInsets& textContainerInset() const { return inset_; }
    virtual void setTextContainerInset(MXEdgeInsets inset) { inset_ = inset; }
    const MXPoint& contentOffset() const { return contentOffset_; }
    virtual void setContentOffset(MXPoint offset) { contentOffset_ = offset; }
    // The size of the laid-out text with its insets.
    virtual MXSize contentSize() const;

    bool isFirstResponder() const { return firstResponder_; }
    void becomeFirstResponder() { firstResponder_ = true; }
    void resignFirstResponder() { firstResponder_ = false; }

private:
    MXTextBuffer buffer_;
    std::optional<std::pair<size_t, size_t>> scrolledRange_;
    MXFont font_{u"", 12};
    MXColor textColor_ = MXColor::blackColor();
    MXEdgeInsets inset_{8, 0, 8, 0};
    MXPoint contentOffset_;
    bool firstResponder_ = false;
};
