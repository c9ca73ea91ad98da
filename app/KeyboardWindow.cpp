#include "app/KeyboardWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/KeyboardComputerKeys.h"
#include "app/KeyboardPanel.h"

namespace {

constexpr QSize kPhoneScreen(390, 720);
const QString kMessageStyle = QStringLiteral("padding: 6px; color: white; background: %1;");

}  // namespace

KeyboardWindow::KeyboardWindow(std::optional<QString> path, bool muted)
    : clicks_(muted), message_(new QLabel(this)), editor_(new QPlainTextEdit(this)),
      showKeyboard_(new QPushButton(tr("Show the calculator keyboard"), this)) {
    setWindowTitle(path ? QStringLiteral("%1 - mxcalc-keyboard").arg(*path) : QStringLiteral("mxcalc-keyboard"));
    host_ = std::make_unique<MXQtInputMethodHost>(
        *editor_, clicks_, [this] { hideKeyboard(tr("Show the calculator keyboard")); },
        [this] { hideKeyboard(tr("Typing with the computer's keyboard: back to the calculator keyboard")); });
    keyboard_ = new KeyboardPanel(*host_, this);
    computerKeys_ = new KeyboardComputerKeys(*keyboard_, this);
    editor_->installEventFilter(computerKeys_);
    installEventFilter(computerKeys_);

    message_->setWordWrap(true);
    message_->setAccessibleName(tr("message"));
    message_->hide();
    editor_->setAccessibleName(tr("document"));
    editor_->setFont(QFont(QStringLiteral("Sans"), 13));
    showKeyboard_->hide();
    showKeyboard_->setFocusPolicy(Qt::NoFocus);
    connect(showKeyboard_, &QPushButton::clicked, this, [this] { showKeyboard(); });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(message_);
    column->addWidget(editor_, 1);
    column->addWidget(showKeyboard_);
    column->addWidget(keyboard_);
    resize(kPhoneScreen);

    auto* saveKey = new QShortcut(QKeySequence::Save, this);
    connect(saveKey, &QShortcut::activated, this, [this] { save(); });

    if (path) {
        file_.emplace(*path);
        QString error;
        if (const std::optional<QString> text = file_->load(error)) {
            editor_->setPlainText(*text);
            editor_->moveCursor(QTextCursor::End);
        } else {
            showMessage(error, true);
        }
    }
    editor_->document()->setModified(false);
    editor_->setFocus();
}

KeyboardWindow::~KeyboardWindow() = default;

bool KeyboardWindow::save() {
    if (!file_) {
        showMessage(tr("nothing to save to: start mxcalc-keyboard with a FILE"), true);
        return false;
    }
    QString error;
    if (!file_->save(editor_->toPlainText(), error)) {
        showMessage(error + tr(" (your text is still here)"), true);
        return false;
    }
    editor_->document()->setModified(false);
    showMessage(tr("saved %1").arg(file_->path()), false);
    return true;
}

void KeyboardWindow::closeEvent(QCloseEvent* event) {
    if (!file_ || !editor_->document()->isModified() || closeAfterFailedSave_ || save()) {
        event->accept();
        return;
    }
    closeAfterFailedSave_ = true;
    showMessage(message_->text() + tr(". Close again to quit without saving."), true);
    event->ignore();
}

void KeyboardWindow::showKeyboard() {
    showKeyboard_->hide();
    keyboard_->show();
    computerKeys_->setActive(true);
    editor_->setFocus();
}

void KeyboardWindow::hideKeyboard(const QString& buttonText) {
    computerKeys_->setActive(false);
    keyboard_->hide();
    showKeyboard_->setText(buttonText);
    showKeyboard_->show();
    editor_->setFocus();
}

void KeyboardWindow::showMessage(const QString& text, bool failure) {
    message_->setText(text);
    message_->setStyleSheet(kMessageStyle.arg(failure ? QStringLiteral("#b3261e") : QStringLiteral("#2e6b30")));
    message_->show();
}
