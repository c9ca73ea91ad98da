#pragma once
// Expression-tree nodes: a number, a function applied to argument nodes (every operator is
// stored as such a call), or a named variable. Nodes are immutable and shared; an argument
// links weakly to the function node that adopted it most recently.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/error/MXError.h"
#include "platform/number/MXNumber.h"

class MXExpression;
class MXMathEvaluator;
using MXExpressionPtr = std::shared_ptr<const MXExpression>;

// A substitution or resolver value: nothing/unsupported, an expression, an expression
// text, or a number.
using MXValue = std::variant<std::monostate, MXExpressionPtr, std::u16string, MXNumber>;
// Variable name (case kept) to value.
using MXSubstitutions = std::unordered_map<std::u16string, MXValue>;

enum MXExpressionType : int64_t {
    MXExpressionTypeNumber = 0,
    MXExpressionTypeFunction = 1,
    MXExpressionTypeVariable = 2,
};

class MXExpression : public std::enable_shared_from_this<MXExpression> {
public:
    virtual ~MXExpression() = default;
    MXExpression(const MXExpression&) = delete;
    MXExpression& operator=(const MXExpression&) = delete;

    // Factories. Parsing uses the shared default operator set.
    static MXExpressionPtr expressionFromString(std::u16string_view text, MXError* error = nullptr);
    // A number node; std::nullopt makes a number node holding no number.
    static MXExpressionPtr numberExpressionWithNumber(std::optional<MXNumber> number);
    // Null arguments stand for non-expression objects: error 18, no node.
    static MXExpressionPtr functionExpressionWithFunction(std::u16string_view function,
                                                          std::vector<MXExpressionPtr> arguments,
                                                          MXError* error = nullptr);
    // Drops one leading "$"; an empty remainder gives no node.
    static MXExpressionPtr variableExpressionWithVariable(std::u16string_view variable);

    virtual MXExpressionType expressionType() const;
    // Number and variable nodes: a new node with the same value; function nodes: deep copy.
    virtual MXExpressionPtr copy() const;

    std::optional<MXNumber> evaluateWithSubstitutions(const MXSubstitutions* substitutions,
                                                      MXMathEvaluator* evaluator,
                                                      MXError* error = nullptr) const;
    virtual MXExpressionPtr simplifiedExpressionWithEvaluator(MXMathEvaluator* evaluator,
                                                              MXError* error = nullptr) const;
    MXExpressionPtr simplifiedExpression() const;

    // Kind-specific properties; asking the wrong kind throws (see the node classes).
    virtual const std::optional<MXNumber>& number() const;
    // The name lower-cased.
    virtual const std::u16string& function() const;
    virtual const std::vector<MXExpressionPtr>& arguments() const;
    virtual const std::u16string& variable() const;

    virtual size_t hash() const = 0;
    virtual bool isEqual(const MXExpression& other) const = 0;
    virtual std::u16string description() const = 0;

    MXExpressionPtr parentExpression() const { return parent_.lock(); }
    // Set when a function node adopts this node as an argument.
    void setParentExpression(const MXExpressionPtr& parent) const { parent_ = parent; }

    // Keyed archive (versioned JSON text) and its reading; a bad archive gives no node.
    std::string archive() const;
    static MXExpressionPtr unarchive(std::string_view archive);

protected:
    MXExpression() = default;

private:
    mutable std::weak_ptr<const MXExpression> parent_;
};
