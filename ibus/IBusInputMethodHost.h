#pragma once
// The host document of one input context, reached through its IBus engine. Text is
// committed to the client; deleting backward removes the character before the cursor
// through the client's surrounding text where the client offers it, else by a BackSpace
// forwarded to the application; the text before the cursor is the surrounding text (nothing
// when the client does not tell). It also shows the expression and its result to the user:
// the auxiliary text, and the preedit text while typed text does not reach the application.
// Closing the keyboard, switching keyboards and the key click are the desktop's own.
#include <ibus.h>

#include <string>

#include "platform/ui/MXInputMethodHost.h"

class IBusInputMethodHost : public MXInputMethodHost, public MXTextDocumentProxy {
public:
    explicit IBusInputMethodHost(IBusEngine* engine) : engine_(engine) {}

    MXTextDocumentProxy& textDocumentProxy() override { return *this; }
    void dismissKeyboard() override {}
    void advanceToNextInputMode() override {}
    // The panel lists the input methods.
    bool handlesInputModeList() const override { return true; }
    void handleInputModeListFromView(MXView&) override {}
    void playSystemSound(uint32_t) override {}

    void insertText(std::u16string_view text) override;
    void deleteBackward() override;
    std::optional<std::u16string> documentContextBeforeInput() const override;

    // The auxiliary text shows "expression = result" while `result` (" = 5") is not empty and
    // is hidden otherwise; the preedit text shows the expression while `asPreedit` holds.
    void showExpression(const std::u16string& expression, const std::u16string& result, bool asPreedit);
    // The next showExpression sends everything: a client that just got the focus (and with
    // IBus's global engine, perhaps this engine) knows nothing of what was shown.
    void forgetShown();

private:
    void showPreedit(const std::string& text);

    IBusEngine* engine_;
    // What the client shows; nothing when it is not known.
    std::optional<std::string> preedit_;
    std::optional<std::string> auxiliary_;
};
