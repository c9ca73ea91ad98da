#pragma once
// The decimal-precision library: 77 built-ins compute on 38-digit decimal records and
// return decimal numbers; the others (logic, bitwise, min, max, round, random) come from
// the double-precision library and receive decimal numbers.
#include <string>
#include <string_view>
#include <unordered_map>

#include "functions/library/MXFunctionEvaluator.h"

namespace mxcalc::detail {

class MXPrecisionFunctionEvaluator : public MXFunctionEvaluator {
public:
    using MXFunctionEvaluator::MXFunctionEvaluator;

    // Its own built-in of the name, else the inherited one.
    MXBuiltin findBuiltin(std::u16string_view name) const override;
};

// Name to built-in for the 77 names this library computes itself.
const std::unordered_map<std::u16string, MXBuiltin>& MXPrecisionBuiltinTable();

}  // namespace mxcalc::detail
