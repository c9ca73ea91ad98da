#pragma once
// The host document's file: read as UTF-8 text, saved whole through a temporary file in
// the same folder that then takes the file's place, so a failed save leaves the old file
// as it was. A file that does not exist yet reads as empty and is made by the first save.
// A file that exists but cannot be read as UTF-8 text is never written over: its content
// was not shown, so saving would lose it.
#include <QString>

#include <optional>

class KeyboardDocumentFile {
public:
    explicit KeyboardDocumentFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    // The text, or nothing with the reason in `error`.
    std::optional<QString> load(QString& error);
    // Whether the text is saved; else the reason is in `error`.
    bool save(const QString& text, QString& error) const;

private:
    QString path_;
    bool unread_ = false;
};
