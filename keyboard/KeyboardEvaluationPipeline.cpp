// From a key edit to the result on the space key, and from the space or return key to the
// result in the host document.
#include <cmath>
#include <exception>

#include "keyboard/KeyboardTextEditing.h"
#include "keyboard/KeyboardViewController.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"

namespace {

constexpr std::u16string_view kResultPrefix = u" = ";

// Not-a-number and infinite results have no numeral to show. A finite double counts as a
// number whatever its exponent, though a 38-digit decimal could not hold beyond 1e165.
bool isNotANumber(const MXNumber& number) {
    return number.isDecimal() ? number.decimalValue().isNaN : !std::isfinite(number.doubleValue());
}

}  // namespace

void KeyboardViewController::processString(std::u16string_view text) {
    if (!text.empty()) resultsLabel().insertText(text);
    evaluate(resultsLabel().text());
    const size_t length = resultsLabel().text().size();
    if (length > 0) resultsLabel().scrollRangeToVisible(length - 1, 1);
}

void KeyboardViewController::evaluate() {
    spaceButton().setTitle(u"", MXControlState::Normal);
    currentEvalString_.clear();
}

void KeyboardViewController::evaluate(const std::u16string& text) {
    spaceButton().setTitle(u"", MXControlState::Normal);
    currentEvalString_ = text;
    const SettingsValues& settings = settings_.values();
    MXMathEvaluator& engine = prepareEvaluator(settings);
    std::u16string prepared = preCloseBrackets(currentEvalString_);
    mxcalc::detail::replaceOccurrences(prepared, u"  ", u" ");
    if (prepared.empty()) return;
    const MXExpressionPtr expression = MXExpression::expressionFromString(prepared);
    if (!expression) return;
    updateVariablesWithExpression(expression);
    MXError error;
    const std::optional<MXNumber> result = engine.evaluateExpression(expression, &variables_, &error);
    if (!result) return;
    const std::u16string shown =
        isNotANumber(*result) ? u"NaN" : formatNumber(settings, result->description(), true);
    spaceButton().setTitle(std::u16string(kResultPrefix) + shown, MXControlState::Normal);
}

void KeyboardViewController::spaceKeyPressed(MXButton& key) {
    playTap();
    try {
        insertResult(key);
    } catch (const std::exception& failure) {
        MXLog(u"Insert Ans Exception: " + MXFromUtf8(failure.what()));
        key.setTitle(u"", MXControlState::Normal);
    }
}

void KeyboardViewController::insertResult(MXButton& key) {
    std::u16string title = key.titleForState(MXControlState::Normal);
    if (title.empty()) {
        textDocumentProxy().insertText(u" ");
        key.setTitle(u"", MXControlState::Normal);
        return;
    }
    if (canType_) {
        const std::u16string expression = resultsLabel().text();
        const size_t opening = mxcalc::detail::countOccurrences(expression, u"(");
        const size_t closing = mxcalc::detail::countOccurrences(expression, u")");
        for (size_t i = closing; i < opening; ++i) textDocumentProxy().insertText(u")");
    } else {
        mxcalc::detail::replaceOccurrences(title, kResultPrefix, u"");
        mxcalc::detail::replaceOccurrences(title, u"=", u"");
    }
    textDocumentProxy().insertText(title);
    resultsLabel().setText(u"");
    key.setTitle(u"", MXControlState::Normal);
}

void KeyboardViewController::returnKeyPressed(MXButton& /*key*/) {
    if (spaceButton().titleForState(MXControlState::Normal).empty()) {
        playTap();
        dismissKeyboard();
        return;
    }
    spaceKeyPressed(spaceButton());
    textDocumentProxy().insertText(u"\n");
}
