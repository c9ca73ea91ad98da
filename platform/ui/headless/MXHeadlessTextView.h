#pragma once
#include <optional>
#include <utility>

#include "platform/ui/MXTextBuffer.h"
#include "platform/ui/MXTextView.h"
#include "platform/ui/headless/MXHeadlessView.h"

class MXHeadlessTextView : public MXHeadlessViewBase<MXTextView> {
public:
    std::u16string text() const override { return buffer_.text(); }
    void setText(std::u16string text) override { buffer_.setText(std::move(text)); }
    void insertText(std::u16string_view text) override { buffer_.insertText(text); }
    void deleteBackward() override { buffer_.deleteBackward(); }
    // Nothing to scroll; the range is kept so that callers can be checked.
    void scrollRangeToVisible(size_t location, size_t length) override { lastScrolledRange_ = {location, length}; }

    bool isFirstResponder() const override { return firstResponder_; }
    void becomeFirstResponder() override { firstResponder_ = true; }
    void resignFirstResponder() override { firstResponder_ = false; }

    // Throws std::out_of_range for a range beyond the text.
    void setSelectedRange(size_t location, size_t length) { buffer_.setSelectedRange(location, length); }
    size_t insertionPoint() const { return buffer_.selectionLocation(); }
    std::optional<std::pair<size_t, size_t>> lastScrolledRange() const { return lastScrolledRange_; }

private:
    detail::MXTextBuffer buffer_;
    std::optional<std::pair<size_t, size_t>> lastScrolledRange_;
    bool firstResponder_ = false;
};
