#pragma once
// Turns text or an expression tree into a number: registered functions and aliases,
// function and variable resolvers, angle mode, and the choice of function library.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/evaluator/MXStoredValues.h"
#include "engine/expression/MXExpression.h"

class MXMathOperatorSet;
namespace mxcalc::detail {
class MXFunctionEvaluator;
class MXKnownValuesScope;
}

// A registered or resolved function: receives the unevaluated argument nodes.
using MXMathFunction = std::function<MXExpressionPtr(const std::vector<MXExpressionPtr>& arguments,
                                                     const MXSubstitutions* substitutions,
                                                     MXMathEvaluator& evaluator, MXError* error)>;
// Name to function; an empty function means none.
using MXFunctionResolver = std::function<MXMathFunction(const std::u16string& name)>;
// Name to value; std::monostate means none.
using MXVariableResolver = std::function<MXValue(const std::u16string& name)>;

enum MXAngleMeasurementMode : int64_t {
    MXAngleMeasurementModeRadians = 0,
    MXAngleMeasurementModeDegrees = 1,
};

class MXMathEvaluator {
public:
    MXMathEvaluator();
    ~MXMathEvaluator();
    MXMathEvaluator(const MXMathEvaluator&) = delete;
    MXMathEvaluator& operator=(const MXMathEvaluator&) = delete;

    static MXMathEvaluator& defaultMathEvaluator();
    static MXMathEvaluator& sharedMathEvaluator() { return defaultMathEvaluator(); }
    // Alias name (as written) to the built-in it stands for.
    static const std::map<std::u16string, std::u16string>& standardAliases();

    bool registerFunction(MXMathFunction function, std::u16string_view name);
    void unregisterFunctionWithName(std::u16string_view name);
    bool addAlias(std::u16string_view alias, std::u16string_view functionName);
    void removeAlias(std::u16string_view alias);
    std::vector<std::u16string> registeredFunctions() const;

    // Registered function, alias, variable (when functions resolve as variables), resolver.
    MXExpressionPtr resolveFunction(const MXExpressionPtr& function, const MXSubstitutions* substitutions,
                                    MXError* error);
    MXValue variableWithName(const std::u16string& name) const;

    // Fills `error` (when given) on failure.
    std::optional<MXNumber> evaluateString(std::u16string_view text, const MXSubstitutions* substitutions,
                                           MXError* error);
    // Writes "error: %@" to the log on failure.
    std::optional<MXNumber> evaluateString(std::u16string_view text,
                                           const MXSubstitutions* substitutions = nullptr);
    std::optional<MXNumber> evaluateExpression(const MXExpressionPtr& expression,
                                               const MXSubstitutions* substitutions, MXError* error);

    // Forwarded to the process-wide default rewriter.
    MXExpressionPtr expressionByRewritingExpression(const MXExpressionPtr& expression);
    void addRewriteRule(std::u16string_view rule, std::u16string_view templateText,
                        std::u16string_view condition);

    bool usesHighPrecisionEvaluation() const { return usesHighPrecisionEvaluation_; }
    void setUsesHighPrecisionEvaluation(bool value);
    bool resolvesFunctionsAsVariables() const { return resolvesFunctionsAsVariables_; }
    void setResolvesFunctionsAsVariables(bool value) { resolvesFunctionsAsVariables_ = value; }
    const std::shared_ptr<MXMathOperatorSet>& operatorSet() const { return operatorSet_; }
    void setOperatorSet(std::shared_ptr<MXMathOperatorSet> operatorSet) { operatorSet_ = std::move(operatorSet); }
    MXAngleMeasurementMode angleMeasurementMode() const { return angleMeasurementMode_; }
    void setAngleMeasurementMode(MXAngleMeasurementMode mode) { angleMeasurementMode_ = mode; }
    const MXFunctionResolver& functionResolver() const { return functionResolver_; }
    void setFunctionResolver(MXFunctionResolver resolver) { functionResolver_ = std::move(resolver); }
    const MXVariableResolver& variableResolver() const { return variableResolver_; }
    void setVariableResolver(MXVariableResolver resolver) { variableResolver_ = std::move(resolver); }
    // Where varx and nthroot's flag go; nothing: varx reads 0 and the flag goes nowhere.
    MXStoredValues* storedValues() const { return storedValues_.get(); }
    void setStoredValues(std::shared_ptr<MXStoredValues> values) { storedValues_ = std::move(values); }

    // The function library in use (replaced on every change of the precision switch).
    mxcalc::detail::MXFunctionEvaluator& functionEvaluator() const { return *functionEvaluator_; }

    // Nested evaluations (function and variable nodes) allowed at once. Beyond it the node
    // gives nothing: the nearest enclosing variable fails with error 14 (so substitutions
    // that refer to themselves end), and a function whose result was lost to the limit, or
    // the outermost function, fails with error 16 "expression nested too deeply in %@ function".
    static constexpr int kMaximumEvaluationDepth = 2000;

private:
    friend class mxcalc::detail::MXKnownValuesScope;
    struct KnownValue;
    struct KnownValues;
    const KnownValue* knownValue(const MXExpression& node, const MXSubstitutions* substitutions) const;
    // Whether the node is a call of a left-associative operator of the operator set, whose
    // first argument continues a chain.
    bool isChainLink(const MXExpression& node) const;
    std::optional<MXNumber> evaluateChain(const MXExpressionPtr& expression, const MXSubstitutions* substitutions,
                                          MXError* error);

    std::optional<MXNumber> evaluateVariableExpression(const MXExpressionPtr& expression,
                                                       const MXSubstitutions* substitutions, MXError* error);
    std::optional<MXNumber> evaluateFunctionExpression(const MXExpressionPtr& expression,
                                                       const MXSubstitutions* substitutions, MXError* error);
    std::optional<MXNumber> evaluateValue(const MXValue& value, const MXSubstitutions* substitutions,
                                          MXError* error);

    // Counts one nested evaluation while it lives.
    class EvaluationScope;

    // The value of a substitution or the variable resolver for a function name, as a number node.
    MXExpressionPtr functionAsVariable(const std::u16string& name, const MXSubstitutions* substitutions,
                                       MXError* error);
    MXExpressionPtr callResolvedFunction(const MXMathFunction& resolved, const MXExpressionPtr& function,
                                         const MXSubstitutions* substitutions, MXError* error);
    bool acceptsNewName(const std::u16string& key) const;
    // A function gave no number: error 16 when its result gave none (`resolved`), else
    // error 15; either becomes the nesting error when the depth limit was passed.
    void reportLostResult(MXError* error, const std::u16string& name, bool resolved) const;

    // Held by pointer so that a function removed while it runs stays alive until it returns.
    std::unordered_map<std::u16string, std::shared_ptr<const MXMathFunction>> functionMap_;
    std::unique_ptr<mxcalc::detail::MXFunctionEvaluator> functionEvaluator_;
    // Libraries replaced while an evaluation runs; freed once the outermost evaluation ends.
    std::vector<std::unique_ptr<mxcalc::detail::MXFunctionEvaluator>> retiredFunctionEvaluators_;
    std::shared_ptr<MXStoredValues> storedValues_;
    bool usesHighPrecisionEvaluation_ = false;
    bool resolvesFunctionsAsVariables_ = false;
    std::shared_ptr<MXMathOperatorSet> operatorSet_;
    MXAngleMeasurementMode angleMeasurementMode_ = MXAngleMeasurementModeRadians;
    MXFunctionResolver functionResolver_;
    MXVariableResolver variableResolver_;
    std::unique_ptr<KnownValues> knownValues_;
    int evaluationDepth_ = 0;
    // Set when a node of the running evaluation lay beyond the depth limit.
    bool depthExceeded_ = false;
};
