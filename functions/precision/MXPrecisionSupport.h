#pragma once
// Shared shapes of the decimal built-ins: decimal results, arguments read as decimal
// records, angles through the angle-unit wrappers, and table entries made from a name and
// a computation on records.
#include <optional>
#include <string_view>

#include "functions/decimal/MXDecimalMath.h"
#include "functions/double/MXDoubleSupport.h"

namespace mxcalc::detail {

MXExpressionPtr decimalResult(const MXDecimalRecord& value);

// The number's decimal record where that is the number itself (a decimal, an integer, a
// double whose digits the record keeps); not-a-number for doubles it rounds, so that a
// function of them keeps to the double computation.
MXDecimalRecord heldDecimal(const MXNumber& number);

// The decimal where the record holds the result to full precision; otherwise (not-a-number,
// results beyond the range or below 10^-91, 0 where the double is not) the double that the
// double-precision library computes: infinities, not-a-number, values the record cannot hold.
MXNumber decimalOrDouble(const MXDecimalRecord& decimal, double fallback);

// The record of the number a result node holds; the zero record when it holds none.
MXDecimalRecord resultRecord(const MXExpressionPtr& result);

// One argument's value as a record; nothing when it fails (its error stays in the slot).
std::optional<MXDecimalRecord> evaluateDecimal(MXFunctionEvaluator& library, const MXExpressionPtr& argument,
                                               const MXSubstitutions* substitutions, MXError* error);

// An angle argument in radians: in degree mode it is wrapped in dtor before it is evaluated.
std::optional<MXDecimalRecord> evaluateRadians(MXFunctionEvaluator& library, const MXExpressionPtr& argument,
                                               const MXSubstitutions* substitutions, MXError* error);

// An angle result: in degree mode rtod(number), which the evaluator then computes.
MXExpressionPtr angleResult(const MXFunctionEvaluator& library, const MXDecimalRecord& radians, MXError* error);

// The library's own built-in of the name, run on the same arguments.
MXExpressionPtr callOwnBuiltin(MXFunctionEvaluator& library, std::u16string_view name,
                               const MXBuiltinArguments& arguments, const MXSubstitutions* substitutions,
                               MXError* error);

// No arguments: a decimal value.
template <MXBuiltinName Name, auto Value>
constexpr MXBuiltinEntry decimalConstantEntry() {
    return exactEntry<Name, 0, [](const MXNumbers&) { return MXNumber::numberWithDecimal(Value()); }>();
}

// One argument read as a record, a decimal result.
template <MXBuiltinName Name, auto Compute>
constexpr MXBuiltinEntry unaryDecimalEntry() {
    return exactEntry<Name, 1, [](const MXNumbers& values) {
        return MXNumber::numberWithDecimal(Compute(values[0].decimalValue()));
    }>();
}

// One argument: its decimal result where that has full precision, else its double result.
template <MXBuiltinName Name, auto Decimal, auto Double>
constexpr MXBuiltinEntry unaryDecimalOrDoubleEntry() {
    return exactEntry<Name, 1, [](const MXNumbers& values) {
        return decimalOrDouble(Decimal(heldDecimal(values[0])), Double(values[0].doubleValue()));
    }>();
}

// Two arguments read as records (first evaluated first), a decimal result.
template <MXBuiltinName Name, auto Compute>
constexpr MXBuiltinEntry binaryDecimalEntry() {
    return exactEntry<Name, 2, [](const MXNumbers& values) {
        return MXNumber::numberWithDecimal(Compute(values[0].decimalValue(), values[1].decimalValue()));
    }>();
}

template <MXBuiltinName Name, auto Compute>
MXExpressionPtr ofDecimalAngle(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                               const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(Name.view(), arguments.size(), 1, 1, error)) return nullptr;
    const std::optional<MXDecimalRecord> x = evaluateRadians(library, arguments[0], substitutions, error);
    return x ? decimalResult(Compute(*x)) : nullptr;
}

template <MXBuiltinName Name, auto Compute>
MXExpressionPtr toDecimalAngle(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                               const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(Name.view(), arguments.size(), 1, 1, error)) return nullptr;
    const std::optional<MXDecimalRecord> x = evaluateDecimal(library, arguments[0], substitutions, error);
    return x ? angleResult(library, Compute(*x), error) : nullptr;
}

// A function of an angle.
template <MXBuiltinName Name, auto Compute>
constexpr MXBuiltinEntry ofDecimalAngleEntry() {
    return {Name.view(), &ofDecimalAngle<Name, Compute>};
}

// A function giving an angle.
template <MXBuiltinName Name, auto Compute>
constexpr MXBuiltinEntry toDecimalAngleEntry() {
    return {Name.view(), &toDecimalAngle<Name, Compute>};
}

}  // namespace mxcalc::detail
