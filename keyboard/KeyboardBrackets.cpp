// Balancing the round brackets of an expression before it is evaluated, by count only.
#include <exception>

#include "keyboard/KeyboardTextEditing.h"
#include "keyboard/KeyboardViewController.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"

namespace {

// The expression view has input focus while brackets are balanced, and loses it after.
class FocusedWhileBalancing {
public:
    explicit FocusedWhileBalancing(MXTextView& view) : view_(view) { view_.becomeFirstResponder(); }
    ~FocusedWhileBalancing() { view_.resignFirstResponder(); }
    FocusedWhileBalancing(const FocusedWhileBalancing&) = delete;
    FocusedWhileBalancing& operator=(const FocusedWhileBalancing&) = delete;

private:
    MXTextView& view_;
};

}  // namespace

std::u16string KeyboardViewController::preCloseBrackets(std::u16string_view text) {
    return closeBracket(nullptr, text).value_or(u"");
}

std::optional<std::u16string> KeyboardViewController::closeBracket(MXButton* /*key*/,
                                                                   std::optional<std::u16string_view> text) {
    if (!text) return std::nullopt;
    const FocusedWhileBalancing focus(resultsLabel());
    std::optional<std::u16string> result;
    try {
        const auto opening = static_cast<int64_t>(mxcalc::detail::countOccurrences(*text, u"("));
        const auto closing = static_cast<int64_t>(mxcalc::detail::countOccurrences(*text, u")"));
        const int64_t missing = opening - closing;
        if (missing >= 1)
            result = std::u16string(*text).append(static_cast<size_t>(missing), u')');
        else if (missing <= -1)
            result = std::u16string(static_cast<size_t>(-missing), u'(').append(*text);
        else
            result = std::u16string(*text);
    } catch (const std::exception& failure) {
        MXLog(u"Brackets Exception: " + MXFromUtf8(failure.what()));
    }
    return result;
}

void KeyboardViewController::closeBracket(MXButton* key) { closeBracket(key, std::nullopt); }
