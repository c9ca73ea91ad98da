#include "engine/expression/MXExpressionNodes.h"
#include "engine/expression/MXExpressionWalks.h"

namespace mxcalc::detail {

MXExpressionPtr MXNumberExpression::copy() const { return std::make_shared<MXNumberExpression>(number_); }

MXExpressionPtr MXNumberExpression::simplifiedExpressionWithEvaluator(MXMathEvaluator*, MXError*) const {
    return shared_from_this();
}

size_t MXNumberExpression::hash() const { return number_ ? number_->hash() : 0; }

bool MXNumberExpression::isEqual(const MXExpression& other) const { return sameNodeValue(*this, other); }

std::u16string MXNumberExpression::description() const { return number_ ? number_->description() : u"(null)"; }

}  // namespace mxcalc::detail
