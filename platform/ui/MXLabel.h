#pragma once
// A line of text with a font, a colour and an alignment.
#include <string>

#include "platform/ui/MXFont.h"
#include "platform/ui/MXView.h"

enum class MXTextAlignment { Left, Center, Right };

class MXLabel : public MXView {
public:
    const std::u16string& text() const { return text_; }
    virtual void setText(std::u16string text) { text_ = std::move(text); }
    const MXFont& font() const { return font_; }
    virtual void setFont(MXFont font) { font_ = std::move(font); }
    const MXColor& textColor() const { return textColor_; }
    virtual void setTextColor(MXColor color) { textColor_ = color; }
    MXTextAlignment textAlignment() const { return alignment_; }
    virtual void setTextAlignment(MXTextAlignment alignment) { alignment_ = alignment; }

private:
    std::u16string text_;
    MXFont font_;
    MXColor textColor_ = MXColor::blackColor();
    MXTextAlignment alignment_ = MXTextAlignment::Left;
};
