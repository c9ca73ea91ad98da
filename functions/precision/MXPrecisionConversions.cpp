// The constants, varx, and degrees to radians (dtor) and back (rtod) in decimals.
#include "functions/precision/MXPrecisionThemes.h"
#include "functions/double/MXImaginaryFlag.h"

namespace mxcalc::detail {
namespace {

// Degrees, minutes and seconds to radians. Minutes and seconds join the degrees in double
// precision, a failing part counting as 0; degrees alone stay as evaluated.
MXExpressionPtr dtorBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                            const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"dtor", arguments.size(), 1, 3, error)) return nullptr;
    std::optional<MXNumber> degrees = library.evaluateArgument(arguments[0], substitutions, error);
    if (arguments.size() > 1) {
        constexpr double kPartsPerDegree[] = {1, 60, 3600};
        double combined = degrees ? degrees->doubleValue() : 0;
        for (size_t index = 1; index < arguments.size(); ++index) {
            combined += evaluateOptional(library, arguments[index], substitutions, error, 0) / kPartsPerDegree[index];
        }
        degrees = MXNumber(combined);
    }
    if (!degrees) return nullptr;
    const MXDecimalRecord turns = MXDecimalDivide(degrees->decimalValue(), MXDecimalFromInteger(180));
    return decimalResult(MXDecimalMultiply(turns, MXDecimalPi()));
}

// The shared double as a decimal of the digits it prints as (0.1 stays 0.1).
MXExpressionPtr varxBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                            const MXSubstitutions* /*substitutions*/, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"varx", arguments.size(), 0, 0, error)) return nullptr;
    const MXNumber value(sharedVariableValue(library));
    return decimalResult(MXDecimalRecordFromString(value.description()));
}

}  // namespace

MXBuiltinEntries decimalConversionBuiltins() {
    return {
        decimalConstantEntry<u"phi", &MXDecimalPhi>(),
        decimalConstantEntry<u"pi", &MXDecimalPi>(),
        decimalConstantEntry<u"pi_2", &MXDecimalPi_2>(),
        decimalConstantEntry<u"pi_4", &MXDecimalPi_4>(),
        decimalConstantEntry<u"tau", [] { return MXDecimalMultiply(MXDecimalTwo(), MXDecimalPi()); }>(),
        decimalConstantEntry<u"sqrt2", &MXDecimalSqrt2>(),
        decimalConstantEntry<u"e", &MXDecimalE>(),
        decimalConstantEntry<u"log2e", &MXDecimalLog2e>(),
        decimalConstantEntry<u"log10e", &MXDecimalLog10e>(),
        decimalConstantEntry<u"ln2", &MXDecimalLn2>(),
        decimalConstantEntry<u"ln10", &MXDecimalLn10>(),
        {u"varx", &varxBuiltin},
        {u"dtor", &dtorBuiltin},
        unaryDecimalEntry<u"rtod", [](MXDecimalRecord x) {
            return MXDecimalMultiply(MXDecimalDivide(x, MXDecimalPi()), MXDecimalFromInteger(180));
        }>(),
    };
}

}  // namespace mxcalc::detail
