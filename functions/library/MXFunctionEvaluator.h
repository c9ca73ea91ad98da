#pragma once
// The library of built-in functions and the dispatcher that finds the built-in for a
// function node. Built-ins are found by name through a table per library class; a
// subclass's table is consulted before the inherited one.
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/expression/MXExpression.h"

class MXMathEvaluator;

namespace mxcalc::detail {

class MXFunctionEvaluator;

// A built-in: unevaluated argument nodes in, a number node (or another node) out.
using MXBuiltin = MXExpressionPtr (*)(MXFunctionEvaluator& library, const std::vector<MXExpressionPtr>& arguments,
                                      const MXSubstitutions* substitutions, MXError* error);

class MXFunctionEvaluator {
public:
    static constexpr size_t kUnlimited = std::numeric_limits<size_t>::max();

    explicit MXFunctionEvaluator(MXMathEvaluator* evaluator) : evaluator_(evaluator) {}
    virtual ~MXFunctionEvaluator() = default;

    // The 95 built-in names, sorted; the same in double and decimal mode.
    static const std::vector<std::u16string>& standardFunctions();
    static bool isStandardFunction(std::u16string_view name);

    MXMathEvaluator* evaluator() const { return evaluator_; }

    // Runs the built-in of the node's name, or hands the node to the evaluator's resolution.
    MXExpressionPtr evaluateFunction(const MXExpressionPtr& function, const MXSubstitutions* substitutions,
                                     MXError* error);

    // The built-in of this library class for a lower-cased name, or nullptr.
    virtual MXBuiltin findBuiltin(std::u16string_view name) const;

    // Helpers shared by the built-ins.
    // Checks the argument count before anything is evaluated; on a mismatch overwrites the
    // error slot with error 17 (messages name "<name>:variables:error:") and returns false.
    static bool checkArgumentCount(std::u16string_view name, size_t count, size_t minimum, size_t maximum,
                                   MXError* error);
    std::optional<MXNumber> evaluateArgument(const MXExpressionPtr& argument, const MXSubstitutions* substitutions,
                                             MXError* error) const;

private:
    MXMathEvaluator* evaluator_;
};

}  // namespace mxcalc::detail
