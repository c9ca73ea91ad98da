// The catalogue of built-in names, the same in double and decimal precision.
#include <algorithm>
#include <array>

#include "functions/library/MXFunctionEvaluator.h"
#include "platform/text/MXText.h"

namespace mxcalc::detail {
namespace {

// In ascending order, so that lookups search it without sorting at run time.
constexpr std::array<std::u16string_view, 95> kStandardNames{
    u"abs", u"acos", u"acosh", u"acotan", u"acotanh", u"acsc", u"acsch", u"add", u"and", u"asec", u"asech",
    u"asin", u"asinh", u"atan", u"atanh", u"average", u"ceil", u"cos", u"cosh", u"cotan", u"cotanh",
    u"count", u"covercosin", u"coversin", u"crd", u"csc", u"csch", u"divide", u"dtor", u"e", u"excsc",
    u"exp", u"exsec", u"factorial", u"floor", u"hacovercosin", u"hacoversin", u"havercosin", u"haversin",
    u"l_and", u"l_eq", u"l_gt", u"l_gtoe", u"l_lt", u"l_ltoe", u"l_neq", u"l_not", u"l_or", u"ln", u"ln10",
    u"ln2", u"log", u"log10e", u"log2", u"log2e", u"lshift", u"max", u"median", u"min", u"mod", u"mode",
    u"multiply", u"negate", u"not", u"nthroot", u"or", u"percent", u"phi", u"pi", u"pi_2", u"pi_4", u"pow",
    u"random", u"rnd", u"round", u"rshift", u"rtod", u"sec", u"sech", u"sin", u"sinh", u"sqrt", u"sqrt2",
    u"stddev", u"stddevs", u"subtract", u"sum", u"tan", u"tanh", u"tau", u"varx", u"varxi", u"vercosin",
    u"versin", u"xor",
};
static_assert(std::is_sorted(kStandardNames.begin(), kStandardNames.end()));
static_assert(std::adjacent_find(kStandardNames.begin(), kStandardNames.end()) == kStandardNames.end());

}  // namespace

const std::vector<std::u16string>& MXFunctionEvaluator::standardFunctions() {
    static const std::vector<std::u16string> names(kStandardNames.begin(), kStandardNames.end());
    return names;
}

bool MXFunctionEvaluator::isStandardFunction(std::u16string_view name) {
    return std::binary_search(kStandardNames.begin(), kStandardNames.end(), std::u16string_view(MXLowercase(name)));
}

}  // namespace mxcalc::detail
