#include "platform/ui/MXTextBuffer.h"

#include <unicode/ubrk.h>

#include <memory>
#include <stdexcept>

namespace {

struct BreakIteratorCloser {
    void operator()(UBreakIterator* iterator) const { ubrk_close(iterator); }
};

bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// Without break data, one code point.
size_t previousCodePoint(std::u16string_view text, size_t index) {
    bool pair = index >= 2 && isLowSurrogate(text[index - 1]) && isHighSurrogate(text[index - 2]);
    return index - (pair ? 2 : 1);
}

}  // namespace

size_t MXPreviousGraphemeBoundary(std::u16string_view text, size_t index) {
    if (index == 0) {
        return 0;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UBreakIterator, BreakIteratorCloser> iterator(
        ubrk_open(UBRK_CHARACTER, "", text.data(), static_cast<int32_t>(text.size()), &status));
    if (U_FAILURE(status)) {
        return previousCodePoint(text, index);
    }
    int32_t boundary = ubrk_preceding(iterator.get(), static_cast<int32_t>(index));
    return boundary == UBRK_DONE ? 0 : static_cast<size_t>(boundary);
}

void MXTextBuffer::setText(std::u16string text) {
    text_ = std::move(text);
    location_ = text_.size();
    length_ = 0;
}

void MXTextBuffer::setSelectedRange(size_t location, size_t length) {
    if (location > text_.size() || length > text_.size() - location) {
        throw std::out_of_range("selection beyond the end of the text");
    }
    location_ = location;
    length_ = length;
}

void MXTextBuffer::insertText(std::u16string_view text) {
    text_.replace(location_, length_, text);
    location_ += text.size();
    length_ = 0;
}

void MXTextBuffer::deleteBackward() {
    if (length_ == 0) {
        size_t start = MXPreviousGraphemeBoundary(text_, location_);
        length_ = location_ - start;
        location_ = start;
    }
    text_.erase(location_, length_);
    length_ = 0;
}

