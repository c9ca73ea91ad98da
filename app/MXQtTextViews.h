#pragma once
// The label and the text view (the keyboard's expression view) as Qt-backed views. The
// text view wraps its text within its insets, measures its content with the real font,
// scrolls a range into view by moving its content offset, and draws with the offset kept
// within the content, so the last line stays in sight.
#include "app/MXQtView.h"
#include "platform/ui/MXLabel.h"
#include "platform/ui/MXTextView.h"

class MXQtLabel : public MXQtViewOf<MXLabel> {
public:
    void setText(std::u16string text) override;
    void setFont(MXFont font) override;
    void setTextColor(MXColor color) override;
    void setTextAlignment(MXTextAlignment alignment) override;
    void paint(QPainter& painter) const override;
};

class MXQtTextView : public MXQtViewOf<MXTextView> {
public:
    void setText(std::u16string text) override;
    void insertText(std::u16string_view text) override;
    void deleteBackward() override;
    void scrollRangeToVisible(size_t location, size_t length) override;
    void setFont(MXFont font) override;
    void setTextColor(MXColor color) override;
    void setTextContainerInset(MXEdgeInsets inset) override;
    void setContentOffset(MXPoint offset) override;
    MXSize contentSize() const override;
    void paint(QPainter& painter) const override;

private:
    // The height of the text laid out within the insets.
    double textHeight(const std::u16string& text) const;
};
