// Registered functions and aliases: one namespace of lower-cased names beside the built-ins.
#include <algorithm>

#include "engine/evaluator/MXMathEvaluator.h"
#include "functions/library/MXFunctionEvaluator.h"
#include "platform/text/MXText.h"

namespace {

// Calls the target (spelled as given) over the same argument nodes and wraps the outcome
// in a number node, which holds no number when the target failed.
MXMathFunction aliasFunction(std::u16string target) {
    return [target = std::move(target)](const std::vector<MXExpressionPtr>& arguments,
                                         const MXSubstitutions* substitutions, MXMathEvaluator& evaluator,
                                         MXError* error) -> MXExpressionPtr {
        const MXExpressionPtr call = MXExpression::functionExpressionWithFunction(target, arguments, error);
        std::optional<MXNumber> value;
        if (call) value = evaluator.evaluateExpression(call, substitutions, error);
        return MXExpression::numberExpressionWithNumber(value);
    };
}

}  // namespace

bool MXMathEvaluator::acceptsNewName(const std::u16string& key) const {
    return !mxcalc::detail::MXFunctionEvaluator::isStandardFunction(key) && !functionMap_.contains(key);
}

bool MXMathEvaluator::registerFunction(MXMathFunction function, std::u16string_view name) {
    std::u16string key = MXLowercase(name);
    if (!function || !acceptsNewName(key)) return false;
    functionMap_.emplace(std::move(key), std::make_shared<const MXMathFunction>(std::move(function)));
    return true;
}

void MXMathEvaluator::unregisterFunctionWithName(std::u16string_view name) { functionMap_.erase(MXLowercase(name)); }

bool MXMathEvaluator::addAlias(std::u16string_view alias, std::u16string_view functionName) {
    return registerFunction(aliasFunction(std::u16string(functionName)), alias);
}

void MXMathEvaluator::removeAlias(std::u16string_view alias) { unregisterFunctionWithName(alias); }

std::vector<std::u16string> MXMathEvaluator::registeredFunctions() const {
    std::vector<std::u16string> names = mxcalc::detail::MXFunctionEvaluator::standardFunctions();
    names.reserve(names.size() + functionMap_.size());
    for (const auto& entry : functionMap_) names.push_back(entry.first);
    std::sort(names.begin(), names.end());
    return names;
}
