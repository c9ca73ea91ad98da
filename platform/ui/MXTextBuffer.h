#pragma once
// A text with an insertion point and a selection, edited the way a text view edits:
// the editing core of the headless text view and the headless host document.
#include <cstddef>
#include <string>
#include <string_view>

class MXTextBuffer {
public:
    const std::u16string& text() const { return text_; }
    // The insertion point moves to the end; no selection.
    void setText(std::u16string text);

    size_t selectionLocation() const { return location_; }
    size_t selectionLength() const { return length_; }
    // Throws std::out_of_range for a range beyond the text.
    void setSelectedRange(size_t location, size_t length);

    void insertText(std::u16string_view text);
    // The selection, or the grapheme before the insertion point; nothing at the start.
    void deleteBackward();

    std::u16string textBeforeInsertionPoint() const { return text_.substr(0, location_); }

private:
    std::u16string text_;
    size_t location_ = 0;
    size_t length_ = 0;
};

// The start of the grapheme (user-perceived character) that ends at `index`.
size_t MXPreviousGraphemeBoundary(std::u16string_view text, size_t index);
