#pragma once
// A line of text.
#include <string>

#include "platform/ui/MXView.h"

class MXLabel : public MXView {
public:
    virtual std::u16string text() const = 0;
    virtual void setText(std::u16string text) = 0;
};
