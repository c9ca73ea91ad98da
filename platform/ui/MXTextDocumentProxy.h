#pragma once
// The host document as an input method reaches it: insert at the host's insertion
// point, delete before it, read the text before it.
#include <optional>
#include <string>
#include <string_view>

class MXTextDocumentProxy {
public:
    virtual ~MXTextDocumentProxy() = default;

    // Inserts at the insertion point, replacing a selection.
    virtual void insertText(std::u16string_view text) = 0;
    // Deletes the selection, or the character (grapheme) before the insertion point.
    virtual void deleteBackward() = 0;
    // The text before the insertion point; nothing when the host does not tell.
    virtual std::optional<std::u16string> documentContextBeforeInput() const = 0;
};
