#pragma once
// What the input-method framework gives the keyboard controller: the host document,
// closing the keyboard, switching to the next one, and the key click.
#include <cstdint>

#include "platform/ui/MXTextDocumentProxy.h"
#include "platform/ui/MXView.h"

class MXInputMethodHost {
public:
    virtual ~MXInputMethodHost() = default;

    virtual MXTextDocumentProxy& textDocumentProxy() = 0;
    virtual void dismissKeyboard() = 0;
    virtual void advanceToNextInputMode() = 0;
    // Whether the platform shows its own list of keyboards from the globe key.
    virtual bool handlesInputModeList() const = 0;
    // Shows that list, for a touch on the given view.
    virtual void handleInputModeListFromView(MXView& view) = 0;
    // Plays a system sound (1104 is the keyboard click); may return before it ends.
    virtual void playSystemSound(uint32_t soundID) = 0;
};
