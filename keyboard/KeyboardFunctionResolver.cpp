// The keyboard's resolver for function names the engine does not know: a name without
// arguments is looked up in the variables table, a name with arguments is an error.
#include "keyboard/KeyboardViewController.h"

const std::u16string KeyboardErrorDomain = u"org.mxcalc.keyboard.ErrorDomain";

MXFunctionResolver KeyboardViewController::functionResolver() {
    return [this](const std::u16string& name) -> MXMathFunction {
        return [this, name](const std::vector<MXExpressionPtr>& arguments, const MXSubstitutions*, MXMathEvaluator&,
                            MXError* error) -> MXExpressionPtr {
            if (!arguments.empty()) {
                MXError::overwriteSlot(error, MXError(KeyboardErrorDomain, -1, u""));
                return nullptr;
            }
            std::optional<MXNumber> value;
            if (const auto found = variables_.find(name); found != variables_.end())
                if (const auto* number = std::get_if<MXNumber>(&found->second)) value = *number;
            return MXExpression::numberExpressionWithNumber(value);
        };
    };
}
