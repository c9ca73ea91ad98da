#include "app/KeyboardDocumentFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "app/MXFileReplacement.h"

std::optional<QString> KeyboardDocumentFile::load(QString& error) {
    unread_ = false;
    if (!QFileInfo::exists(path_)) return QString();
    QFile file(path_);
    if (QFileInfo(path_).isDir() || !file.open(QIODevice::ReadOnly)) {
        unread_ = true;
        error = QStringLiteral("cannot read %1: %2").arg(path_, QFileInfo(path_).isDir() ? QStringLiteral("it is a folder") : file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || file.error() != QFile::NoError) {
        unread_ = true;
        error = QStringLiteral("cannot read %1: it is not UTF-8 text").arg(path_);
        return std::nullopt;
    }
    return text;
}

bool KeyboardDocumentFile::save(const QString& text, QString& error) const {
    if (unread_) {
        error = QStringLiteral("not saved: %1 could not be read, so it is not written over").arg(path_);
        return false;
    }
    const std::string failure = MXWriteFileReplacing(QFile::encodeName(path_).toStdString(), text.toUtf8().toStdString());
    if (failure.empty()) return true;
    error = QStringLiteral("cannot save %1: %2").arg(path_, QString::fromStdString(failure));
    return false;
}
