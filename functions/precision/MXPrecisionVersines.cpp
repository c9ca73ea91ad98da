// The versed and haversed sines and cosines, exsecant, excosecant and chord on decimal
// records. The haversed ones halve this library's versed ones.
#include "functions/precision/MXPrecisionThemes.h"

namespace mxcalc::detail {
namespace {

MXDecimalRecord onePlus(MXDecimalRecord x) { return MXDecimalAdd(MXDecimalOne(), x); }
MXDecimalRecord oneMinus(MXDecimalRecord x) { return MXDecimalSubtract(MXDecimalOne(), x); }
MXDecimalRecord inverseLessOne(MXDecimalRecord x) { return MXDecimalSubtract(MXDecimalInverse(x), MXDecimalOne()); }

// Half of what the built-in `Whole` gives for the same arguments (the angle is converted there).
template <MXBuiltinName Name, MXBuiltinName Whole>
MXExpressionPtr halvedBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                              const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(Name.view(), arguments.size(), 1, 1, error)) return nullptr;
    const MXExpressionPtr whole = callOwnBuiltin(library, Whole.view(), arguments, substitutions, error);
    if (!whole) return nullptr;
    return decimalResult(MXDecimalDivide(resultRecord(whole), MXDecimalTwo()));
}

template <MXBuiltinName Name, MXBuiltinName Whole>
constexpr MXBuiltinEntry halvedEntry() {
    return {Name.view(), &halvedBuiltin<Name, Whole>};
}

}  // namespace

MXBuiltinEntries decimalVersineBuiltins() {
    return {
        ofDecimalAngleEntry<u"versin", [](MXDecimalRecord x) { return oneMinus(MXDecimalCos(x)); }>(),
        ofDecimalAngleEntry<u"vercosin", [](MXDecimalRecord x) { return onePlus(MXDecimalCos(x)); }>(),
        ofDecimalAngleEntry<u"coversin", [](MXDecimalRecord x) { return oneMinus(MXDecimalSin(x)); }>(),
        ofDecimalAngleEntry<u"covercosin", [](MXDecimalRecord x) { return onePlus(MXDecimalSin(x)); }>(),
        halvedEntry<u"haversin", u"versin">(),
        halvedEntry<u"havercosin", u"vercosin">(),
        halvedEntry<u"hacoversin", u"coversin">(),
        halvedEntry<u"hacovercosin", u"covercosin">(),
        ofDecimalAngleEntry<u"exsec", [](MXDecimalRecord x) { return inverseLessOne(MXDecimalCos(x)); }>(),
        ofDecimalAngleEntry<u"excsc", [](MXDecimalRecord x) { return inverseLessOne(MXDecimalSin(x)); }>(),
        ofDecimalAngleEntry<u"crd", [](MXDecimalRecord x) {
            return MXDecimalMultiply(MXDecimalTwo(), MXDecimalSin(MXDecimalDivide(x, MXDecimalTwo())));
        }>(),
    };
}

}  // namespace mxcalc::detail
