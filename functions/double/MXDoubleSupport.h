#pragma once
// Shared shapes of the double-precision built-ins: result nodes, argument evaluation and
// table entries made from a name and a computation.
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "functions/library/MXFunctionEvaluator.h"

namespace mxcalc::detail {

using MXBuiltinArguments = std::vector<MXExpressionPtr>;
using MXBuiltinEntry = std::pair<std::u16string_view, MXBuiltin>;
using MXBuiltinEntries = std::vector<MXBuiltinEntry>;
using MXNumbers = std::vector<MXNumber>;

// A built-in's name as a template argument.
template <size_t N>
struct MXBuiltinName {
    char16_t text[N];
    constexpr MXBuiltinName(const char16_t (&name)[N]) { std::copy_n(name, N, text); }
    constexpr std::u16string_view view() const { return {text, N - 1}; }
};

MXExpressionPtr numberResult(const MXNumber& number);
MXExpressionPtr doubleResult(double value);
MXExpressionPtr truthResult(bool value);

// Every argument in index order; nothing once one fails (its error stays in the slot).
std::optional<MXNumbers> evaluateArguments(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                                           const MXSubstitutions* substitutions, MXError* error);

// An optional argument's double value; `fallback` when it fails (its error stays in the slot).
double evaluateOptional(MXFunctionEvaluator& library, const MXExpressionPtr& argument,
                        const MXSubstitutions* substitutions, MXError* error, double fallback);

// A built-in whose arguments are all evaluated in index order and then computed; the
// computation gives a number, or nothing for a number node without a number.
template <MXBuiltinName Name, size_t Minimum, size_t Maximum, auto Compute>
MXExpressionPtr evaluatedBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                                 const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(Name.view(), arguments.size(), Minimum, Maximum, error)) {
        return nullptr;
    }
    const std::optional<MXNumbers> values = evaluateArguments(library, arguments, substitutions, error);
    if (!values) return nullptr;
    return MXExpression::numberExpressionWithNumber(Compute(*values));
}

template <MXBuiltinName Name, size_t Count, auto Compute>
constexpr MXBuiltinEntry exactEntry() {
    return {Name.view(), &evaluatedBuiltin<Name, Count, Count, Compute>};
}

template <MXBuiltinName Name, size_t Minimum, auto Compute>
constexpr MXBuiltinEntry atLeastEntry() {
    return {Name.view(), &evaluatedBuiltin<Name, Minimum, MXFunctionEvaluator::kUnlimited, Compute>};
}

// No arguments: a double value.
template <MXBuiltinName Name, auto Value>
constexpr MXBuiltinEntry noArgumentEntry() {
    return exactEntry<Name, 0, [](const MXNumbers&) { return MXNumber(Value()); }>();
}

// One argument read as a double, a double result.
template <MXBuiltinName Name, auto Compute>
constexpr MXBuiltinEntry unaryDoubleEntry() {
    return exactEntry<Name, 1, [](const MXNumbers& values) { return MXNumber(Compute(values[0].doubleValue())); }>();
}

// Two arguments read as doubles, a double result.
template <MXBuiltinName Name, auto Compute>
constexpr MXBuiltinEntry binaryDoubleEntry() {
    return exactEntry<Name, 2, [](const MXNumbers& values) {
        return MXNumber(Compute(values[0].doubleValue(), values[1].doubleValue()));
    }>();
}

}  // namespace mxcalc::detail
