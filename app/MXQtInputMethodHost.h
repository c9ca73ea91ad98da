#pragma once
// The input-method host of the desktop program: the host document is a plain-text editor
// edited at its cursor, closing the keyboard and switching to the next input mode are the
// window's, and the key click is the click player's.
#include <QPlainTextEdit>
#include <QPointer>

#include <functional>

#include "app/KeyboardClickPlayer.h"
#include "platform/ui/MXInputMethodHost.h"

class MXQtTextDocumentProxy : public MXTextDocumentProxy {
public:
    explicit MXQtTextDocumentProxy(QPlainTextEdit& editor) : editor_(&editor) {}
    void insertText(std::u16string_view text) override;
    void deleteBackward() override;
    std::optional<std::u16string> documentContextBeforeInput() const override;

private:
    QPointer<QPlainTextEdit> editor_;
};

class MXQtInputMethodHost : public MXInputMethodHost {
public:
    MXQtInputMethodHost(QPlainTextEdit& editor, KeyboardClickPlayer& clicks, std::function<void()> dismiss,
                        std::function<void()> advance)
        : proxy_(editor), clicks_(clicks), dismiss_(std::move(dismiss)), advance_(std::move(advance)) {}

    MXTextDocumentProxy& textDocumentProxy() override { return proxy_; }
    void dismissKeyboard() override { dismiss_(); }
    void advanceToNextInputMode() override { advance_(); }
    // The desktop has no list of keyboards to show: the globe key hands over itself.
    bool handlesInputModeList() const override { return false; }
    void handleInputModeListFromView(MXView&) override {}
    void playSystemSound(uint32_t) override { clicks_.play(); }

private:
    MXQtTextDocumentProxy proxy_;
    KeyboardClickPlayer& clicks_;
    std::function<void()> dismiss_;
    std::function<void()> advance_;
};
