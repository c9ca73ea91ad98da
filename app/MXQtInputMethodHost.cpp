#include "app/MXQtInputMethodHost.h"

#include <QTextCursor>

#include "app/MXQtConversions.h"

void MXQtTextDocumentProxy::insertText(std::u16string_view text) {
    if (editor_) editor_->insertPlainText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

void MXQtTextDocumentProxy::deleteBackward() {
    if (!editor_) return;
    QTextCursor cursor = editor_->textCursor();
    cursor.deletePreviousChar();
    editor_->setTextCursor(cursor);
}

std::optional<std::u16string> MXQtTextDocumentProxy::documentContextBeforeInput() const {
    if (!editor_) return std::nullopt;
    const QTextCursor cursor = editor_->textCursor();
    return editor_->toPlainText().left(cursor.selectionStart()).toStdU16String();
}
