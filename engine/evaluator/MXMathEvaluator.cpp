#include "engine/evaluator/MXMathEvaluator.h"

#include "engine/evaluator/MXKnownValues.h"

#include "engine/operators/MXMathOperatorSet.h"
#include "functions/library/MXFunctionEvaluator.h"
#include "functions/library/MXFunctionLibraryFactory.h"

MXMathEvaluator::MXMathEvaluator()
    : functionEvaluator_(mxcalc::detail::MXMakeFunctionLibrary(this, false)),
      operatorSet_(MXMathOperatorSet::defaultOperatorSet()) {
    for (const auto& [alias, function] : standardAliases()) addAlias(alias, function);
}

MXMathEvaluator::~MXMathEvaluator() = default;

MXMathEvaluator& MXMathEvaluator::defaultMathEvaluator() {
    // Lives for the whole process, like the other process-wide engine objects.
    static MXMathEvaluator* const evaluator = new MXMathEvaluator();
    return *evaluator;
}

const std::map<std::u16string, std::u16string>& MXMathEvaluator::standardAliases() {
    static const std::map<std::u16string, std::u16string> aliases{
        {u"avg", u"average"},   {u"chord", u"crd"},     {u"cvs", u"coversin"}, {u"mean", u"average"},
        {u"modulo", u"mod"},    {u"tau_2", u"pi"},      {u"trunc", u"floor"},  {u"ver", u"versin"},
        {u"vercos", u"vercosin"}, {u"vers", u"versin"}, {u"\u03A7", u"varx"},  {u"\u03C0", u"pi"},
        {u"\u03C4", u"tau"},    {u"\u03D5", u"phi"},
    };
    return aliases;
}

void MXMathEvaluator::setUsesHighPrecisionEvaluation(bool value) {
    if (value == usesHighPrecisionEvaluation_) return;
    usesHighPrecisionEvaluation_ = value;
    auto replacement = mxcalc::detail::MXMakeFunctionLibrary(this, value);
    // A built-in of the old library may be running (a registered function switched the flag).
    if (evaluationDepth_ > 0) retiredFunctionEvaluators_.push_back(std::move(functionEvaluator_));
    functionEvaluator_ = std::move(replacement);
}

MXValue MXMathEvaluator::variableWithName(const std::u16string& name) const {
    if (!variableResolver_) return std::monostate{};
    return variableResolver_(name);
}
