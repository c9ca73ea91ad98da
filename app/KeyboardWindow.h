#pragma once
// The program's window, shaped like a phone's screen: a message line (shown only when
// there is something to say), the host document (a plain-text editor, the application the
// keyboard types into), and the calculator keyboard below it. The keyboard edits the
// document at its cursor; keys of the computer's keyboard act as its keys. Closing the
// keyboard or switching to the next input mode hides it and leaves a button that brings it
// back; meanwhile the computer's keys type into the document directly.
//
// With a file, the document is read from it, and saved to it on Ctrl+S and when the window
// closes. A failed save says why in the message line and keeps the text; the first close
// after a failed save is refused, so nothing is lost unless the user closes again.
#include <QWidget>

#include <memory>
#include <optional>

#include "app/KeyboardClickPlayer.h"
#include "app/KeyboardDocumentFile.h"
#include "app/MXQtInputMethodHost.h"

class KeyboardComputerKeys;
class KeyboardPanel;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class KeyboardWindow : public QWidget {
public:
    // `path`: the document's file, or nothing for a document that is not saved.
    explicit KeyboardWindow(std::optional<QString> path, bool muted);
    ~KeyboardWindow() override;

    KeyboardPanel& keyboard() const { return *keyboard_; }
    QPlainTextEdit& document() const { return *editor_; }
    QLabel& messageLine() const { return *message_; }
    QPushButton& showKeyboardButton() const { return *showKeyboard_; }
    KeyboardClickPlayer& clicks() { return clicks_; }

    // Saves the document to its file; false, with the reason shown, when it could not.
    bool save();
    void showKeyboard();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void hideKeyboard(const QString& buttonText);
    void showMessage(const QString& text, bool failure);

    KeyboardClickPlayer clicks_;
    std::optional<KeyboardDocumentFile> file_;
    QLabel* message_;
    QPlainTextEdit* editor_;
    QPushButton* showKeyboard_;
    std::unique_ptr<MXQtInputMethodHost> host_;
    KeyboardPanel* keyboard_;
    KeyboardComputerKeys* computerKeys_;
    bool closeAfterFailedSave_ = false;
};
