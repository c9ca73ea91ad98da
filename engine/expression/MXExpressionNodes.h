#pragma once
// The three node kinds behind MXExpression. Create them through the factories of
// MXExpression (or `make` here), which also set the arguments' parent links.
#include <functional>

#include "engine/expression/MXExpression.h"

namespace mxcalc::detail {

class MXNumberExpression final : public MXExpression {
public:
    explicit MXNumberExpression(std::optional<MXNumber> number) : number_(std::move(number)) {}

    MXExpressionType expressionType() const override { return MXExpressionTypeNumber; }
    MXExpressionPtr copy() const override;
    MXExpressionPtr simplifiedExpressionWithEvaluator(MXMathEvaluator* evaluator,
                                                      MXError* error = nullptr) const override;
    const std::optional<MXNumber>& number() const override { return number_; }

    size_t hash() const override;
    bool isEqual(const MXExpression& other) const override;
    // The number's own text; a node without a number prints as "(null)".
    std::u16string description() const override;

private:
    std::optional<MXNumber> number_;
};

class MXFunctionExpression final : public MXExpression {
public:
    // Builds the node and makes it the parent of every argument (none may be null).
    static std::shared_ptr<const MXFunctionExpression> make(std::u16string_view function,
                                                            std::vector<MXExpressionPtr> arguments);

    MXFunctionExpression(std::u16string_view function, std::vector<MXExpressionPtr> arguments);
    // Releases deep argument chains without recursion.
    ~MXFunctionExpression() override;

    MXExpressionType expressionType() const override { return MXExpressionTypeFunction; }
    MXExpressionPtr copy() const override;
    // Folds every call whose arguments all simplify to numbers (without recursion).
    MXExpressionPtr simplifiedExpressionWithEvaluator(MXMathEvaluator* evaluator,
                                                      MXError* error = nullptr) const override;
    const std::u16string& function() const override { return lowercaseFunction_; }
    const std::vector<MXExpressionPtr>& arguments() const override { return arguments_; }
    // The name as it was given, before lower-casing.
    const std::u16string& givenFunction() const {
        return givenFunction_.empty() ? lowercaseFunction_ : givenFunction_;
    }

    size_t hash() const override;
    bool isEqual(const MXExpression& other) const override;
    std::u16string description() const override;

private:
    std::u16string lowercaseFunction_;
    // Empty when the given name is already lower-case.
    std::u16string givenFunction_;
    std::vector<MXExpressionPtr> arguments_;
};

class MXVariableExpression final : public MXExpression {
public:
    // `variable` is the name without "$"; never empty.
    explicit MXVariableExpression(std::u16string_view variable) : variable_(variable) {}

    MXExpressionType expressionType() const override { return MXExpressionTypeVariable; }
    MXExpressionPtr copy() const override;
    MXExpressionPtr simplifiedExpressionWithEvaluator(MXMathEvaluator* evaluator,
                                                      MXError* error = nullptr) const override;
    const std::u16string& variable() const override { return variable_; }

    size_t hash() const override;
    bool isEqual(const MXExpression& other) const override;
    std::u16string description() const override;

private:
    std::u16string variable_;
};

// Simplifies the function node `root` as its simplifiedExpressionWithEvaluator does, but
// takes every argument node that `isSimplified` accepts (when given) as it stands: the
// rewriter's way of not simplifying again what an earlier pass simplified.
MXExpressionPtr simplifiedCallKeeping(const MXExpression& root, MXMathEvaluator* evaluator, MXError* error,
                                      const std::function<bool(const MXExpression&)>& isSimplified);

}  // namespace mxcalc::detail
