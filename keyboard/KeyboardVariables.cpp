// The names in an expression that the evaluator cannot compute by itself, and the
// variables table kept in line with them.
#include <algorithm>

#include "keyboard/KeyboardViewController.h"

std::vector<std::u16string> KeyboardViewController::variablesAndFunctionsInExpression(
    const MXExpressionPtr& expression) {
    if (!evaluator_) evaluator();
    std::vector<std::u16string> names;
    // Nodes still to visit, the next one last, so that names come in written order.
    std::vector<const MXExpression*> pending{expression.get()};
    while (!pending.empty()) {
        const MXExpression* node = pending.back();
        pending.pop_back();
        if (node == nullptr) continue;
        if (node->expressionType() == MXExpressionTypeVariable) {
            names.push_back(node->variable());
        } else if (node->expressionType() == MXExpressionTypeFunction) {
            if (!std::binary_search(registeredFunctions_.begin(), registeredFunctions_.end(), node->function())) {
                names.push_back(node->function());
                continue;
            }
            for (auto argument = node->arguments().rbegin(); argument != node->arguments().rend(); ++argument)
                pending.push_back(argument->get());
        }
    }
    return names;
}

void KeyboardViewController::updateVariablesWithExpression(const MXExpressionPtr& expression) {
    const std::vector<std::u16string> names = variablesAndFunctionsInExpression(expression);
    std::erase_if(variables_, [&names](const auto& entry) {
        return std::find(names.begin(), names.end(), entry.first) == names.end();
    });
    orderedVariables_.clear();
    for (const auto& entry : variables_) orderedVariables_.push_back(entry.first);
    std::sort(orderedVariables_.begin(), orderedVariables_.end());
}
