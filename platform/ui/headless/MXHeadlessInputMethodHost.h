#pragma once
// A headless host: its document is a string, and it counts what the keyboard asked of it.
#include <mutex>
#include <vector>

#include "platform/ui/MXInputMethodHost.h"
#include "platform/ui/MXTextBuffer.h"

class MXHeadlessTextDocumentProxy : public MXTextDocumentProxy {
public:
    void insertText(std::u16string_view text) override { document_.insertText(text); }
    void deleteBackward() override { document_.deleteBackward(); }
    std::optional<std::u16string> documentContextBeforeInput() const override {
        return document_.textBeforeInsertionPoint();
    }

    const std::u16string& document() const { return document_.text(); }
    // The insertion point moves to the end.
    void setDocument(std::u16string text) { document_.setText(std::move(text)); }
    // Throws std::out_of_range for a range beyond the document.
    void setSelectedRange(size_t location, size_t length) { document_.setSelectedRange(location, length); }

private:
    MXTextBuffer document_;
};

class MXHeadlessInputMethodHost : public MXInputMethodHost {
public:
    MXHeadlessTextDocumentProxy& textDocumentProxy() override { return proxy_; }
    void dismissKeyboard() override { ++dismissCount_; }
    void advanceToNextInputMode() override { ++advanceCount_; }
    bool handlesInputModeList() const override { return handlesInputModeList_; }
    void handleInputModeListFromView(MXView&) override { ++inputModeListCount_; }
    // Safe from any thread: the keyboard plays its click off the user-interface thread.
    void playSystemSound(uint32_t soundID) override {
        std::lock_guard lock(soundsMutex_);
        playedSounds_.push_back(soundID);
    }

    void setHandlesInputModeList(bool handles) { handlesInputModeList_ = handles; }
    int dismissCount() const { return dismissCount_; }
    int advanceCount() const { return advanceCount_; }
    int inputModeListCount() const { return inputModeListCount_; }
    std::vector<uint32_t> playedSounds() const {
        std::lock_guard lock(soundsMutex_);
        return playedSounds_;
    }

private:
    MXHeadlessTextDocumentProxy proxy_;
    int dismissCount_ = 0;
    int advanceCount_ = 0;
    int inputModeListCount_ = 0;
    bool handlesInputModeList_ = false;
    mutable std::mutex soundsMutex_;
    std::vector<uint32_t> playedSounds_;
};
