// Preparing the expression text (cleaning and expanding definitions) and the evaluator
// the keyboard evaluates it with.
#include <algorithm>
#include <unicode/uchar.h>

#include "engine/operators/MXMathOperatorSet.h"
#include "keyboard/KeyboardDefinitionExpansion.h"
#include "keyboard/KeyboardSettingsKeys.h"
#include "keyboard/KeyboardTextEditing.h"
#include "keyboard/KeyboardStoredValues.h"
#include "keyboard/KeyboardViewController.h"

namespace {

// White space as the regular-expression class \s has it: tab, line feed, form feed,
// carriage return and the space separators.
bool isWhitespace(char16_t c) {
    if (c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r') return true;
    const int8_t category = u_charType(c);
    return category == U_SPACE_SEPARATOR || category == U_LINE_SEPARATOR || category == U_PARAGRAPH_SEPARATOR;
}

bool containsTrigonometricCall(std::u16string_view text) {
    return text.find(u"sin(") != std::u16string_view::npos || text.find(u"cos(") != std::u16string_view::npos ||
           text.find(u"tan(") != std::u16string_view::npos;
}

}  // namespace

std::u16string KeyboardViewController::removeAllWhitespace(std::u16string_view text) {
    std::u16string result;
    result.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(result), [](char16_t c) { return !isWhitespace(c); });
    return result;
}

MXMathEvaluator& KeyboardViewController::evaluator() { return prepareEvaluator(settings_.values()); }

MXMathEvaluator& KeyboardViewController::prepareEvaluator(const SettingsValues& settings) {
    const Separators current = separators(settings);
    cleanCurrentEvalString(current);
    expandDefinitions(settings, current);
    // An evaluator is kept while the text calls a trigonometric function and precision is off.
    if (evaluator_ && evaluator_->usesHighPrecisionEvaluation() == containsTrigonometricCall(currentEvalString_))
        evaluator_.reset();
    if (!evaluator_) createEvaluator();
    return *evaluator_;
}

void KeyboardViewController::cleanCurrentEvalString(const Separators& separators) {
    mxcalc::detail::replaceOccurrences(currentEvalString_, separators.group, u"");
    mxcalc::detail::replaceOccurrences(currentEvalString_, separators.decimal, u".");
    currentEvalString_ = removeAllWhitespace(currentEvalString_);
}

void KeyboardViewController::expandDefinitions(const SettingsValues& settings, const Separators& separators) {
    const mxcalc::detail::KeyboardExpansionContext context{
        separators.decimal, separators.group,
        [this](const std::vector<std::u16string>& arguments) { return timestampOfArguments(arguments); }};
    mxcalc::detail::expandDefinitions(currentEvalString_, KeyboardSettingsText(settings, KeyboardKeySaveCustomFunc), context);
}

void KeyboardViewController::createEvaluator() {
    MXMathOperatorSet::defaultOperatorSet()->setInterpretsPercentSignAsModulo(false);
    evaluator_ = std::make_unique<MXMathEvaluator>();
    evaluator_->setUsesHighPrecisionEvaluation(false);
    evaluator_->setFunctionResolver(functionResolver());
    evaluator_->setStoredValues(std::make_shared<KeyboardStoredValues>(settings_.store()));
    // The keyboard registers nothing, so every evaluator it creates knows the same names.
    if (registeredFunctions_.empty()) {
        registeredFunctions_ = evaluator_->registeredFunctions();
        std::sort(registeredFunctions_.begin(), registeredFunctions_.end());
    }
}
