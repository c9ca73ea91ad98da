// Evaluation of a node through an evaluator, and folding of calls whose arguments are all
// numbers. Simplification walks the tree with an explicit stack; the node being folded is
// evaluated itself (not a rebuilt copy), so functions still see their context.
#include <algorithm>

#include "engine/evaluator/MXKnownValues.h"
#include "engine/evaluator/MXMathEvaluator.h"
#include "engine/expression/MXExpressionNodes.h"
#include "platform/log/MXLog.h"

std::optional<MXNumber> MXExpression::evaluateWithSubstitutions(const MXSubstitutions* substitutions,
                                                                MXMathEvaluator* evaluator, MXError* error) const {
    if (evaluator == nullptr) return std::nullopt;
    return evaluator->evaluateExpression(shared_from_this(), substitutions, error);
}

MXExpressionPtr MXExpression::simplifiedExpression() const {
    MXError error;
    MXExpressionPtr simplified = simplifiedExpressionWithEvaluator(&MXMathEvaluator::defaultMathEvaluator(), &error);
    if (error.isEmpty()) return simplified;
    MXLog(u"error: " + error.description());
    return nullptr;
}

namespace mxcalc::detail {

namespace {
struct PendingCall {
    const MXExpression* source;
    size_t next;
    std::vector<MXExpressionPtr> simplified;
};

PendingCall pendingCall(const MXExpression& source) {
    PendingCall call{&source, 0, {}};
    call.simplified.reserve(source.arguments().size());
    return call;
}

// A number node when every argument simplified to a number and the call evaluates;
// otherwise the call rebuilt (lower-cased name) over its simplified arguments. A folded call
// is remembered, so the calls above it evaluate it once, not once per enclosing call.
MXExpressionPtr foldCall(PendingCall& call, MXMathEvaluator& evaluator, mxcalc::detail::MXKnownValuesScope& folded,
                         MXError* error) {
    const bool numeric = std::all_of(call.simplified.begin(), call.simplified.end(), [](const MXExpressionPtr& node) {
        return node->expressionType() == MXExpressionTypeNumber;
    });
    if (numeric) {
        if (auto value = evaluator.evaluateExpression(call.source->shared_from_this(), nullptr, error)) {
            folded.remember(*call.source, nullptr, value);
            return MXExpression::numberExpressionWithNumber(std::move(value));
        }
    }
    return MXFunctionExpression::make(call.source->function(), std::move(call.simplified));
}
}  // namespace

MXExpressionPtr MXFunctionExpression::simplifiedExpressionWithEvaluator(MXMathEvaluator* evaluator,
                                                                        MXError* error) const {
    return simplifiedCallKeeping(*this, evaluator, error, nullptr);
}

MXExpressionPtr simplifiedCallKeeping(const MXExpression& root, MXMathEvaluator* evaluator, MXError* error,
                                      const std::function<bool(const MXExpression&)>& isSimplified) {
    MXMathEvaluator& folding = evaluator != nullptr ? *evaluator : MXMathEvaluator::defaultMathEvaluator();
    mxcalc::detail::MXKnownValuesScope folded(folding);
    std::vector<PendingCall> open;
    open.push_back(pendingCall(root));
    while (true) {
        PendingCall& call = open.back();
        const auto& arguments = call.source->arguments();
        if (call.next < arguments.size()) {
            const MXExpressionPtr& argumentPointer = arguments[call.next++];
            const MXExpression& argument = *argumentPointer;
            if (isSimplified && isSimplified(argument)) {
                call.simplified.push_back(argumentPointer);
                continue;
            }
            if (argument.expressionType() == MXExpressionTypeFunction) {
                open.push_back(pendingCall(argument));
                continue;
            }
            MXExpressionPtr simplified = argument.simplifiedExpressionWithEvaluator(evaluator, error);
            if (!simplified) return nullptr;
            call.simplified.push_back(std::move(simplified));
            continue;
        }
        MXExpressionPtr result = foldCall(call, folding, folded, error);
        open.pop_back();
        if (open.empty()) return result;
        open.back().simplified.push_back(std::move(result));
    }
}

}  // namespace mxcalc::detail
