#pragma once
// Short builders for expression trees in tests.
#include <string>
#include <vector>

#include "engine/expression/MXExpression.h"
#include "platform/decimal/MXDecimalRecord.h"
#include "platform/text/MXText.h"

namespace expression_test {

inline MXExpressionPtr num(double value) { return MXExpression::numberExpressionWithNumber(MXNumber(value)); }

inline MXExpressionPtr dec(std::u16string_view numeral) {
    return MXExpression::numberExpressionWithNumber(MXNumber::numberWithDecimal(MXDecimalRecordFromString(numeral)));
}

inline MXExpressionPtr var(std::u16string_view name) { return MXExpression::variableExpressionWithVariable(name); }

inline MXExpressionPtr fn(std::u16string_view name, std::vector<MXExpressionPtr> arguments = {}) {
    return MXExpression::functionExpressionWithFunction(name, std::move(arguments));
}

// negate(negate(...(leaf)...)) with `depth` function nodes, built bottom-up.
inline MXExpressionPtr chain(size_t depth, MXExpressionPtr leaf, std::u16string_view name = u"negate") {
    MXExpressionPtr node = std::move(leaf);
    for (size_t i = 0; i < depth; ++i) node = fn(name, {node});
    return node;
}

inline std::string utf8(const std::u16string& text) { return MXToUtf8(text); }

}  // namespace expression_test
