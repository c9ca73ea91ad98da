// The catalogue of built-in names, the same in double and decimal precision.
#include <algorithm>

#include "functions/library/MXFunctionEvaluator.h"
#include "platform/text/MXText.h"

namespace detail {

const std::vector<std::u16string>& MXFunctionEvaluator::standardFunctions() {
    static const std::vector<std::u16string> names = [] {
        std::vector<std::u16string> list{
            // no arguments
            u"phi", u"pi", u"pi_2", u"pi_4", u"tau", u"sqrt2", u"e", u"log2e", u"log10e", u"ln2", u"ln10", u"varx",
            // one argument
            u"negate", u"factorial", u"not", u"l_not", u"ln", u"log2", u"exp", u"ceil", u"floor", u"abs",
            u"percent", u"rtod", u"varxi", u"sin", u"cos", u"tan", u"asin", u"acos", u"atan", u"sinh", u"cosh",
            u"tanh", u"asinh", u"acosh", u"atanh", u"csc", u"sec", u"cotan", u"acsc", u"asec", u"acotan", u"csch",
            u"sech", u"cotanh", u"acsch", u"asech", u"acotanh", u"versin", u"vercosin", u"coversin",
            u"covercosin", u"haversin", u"havercosin", u"hacoversin", u"hacovercosin", u"exsec", u"excsc", u"crd",
            // two arguments
            u"add", u"subtract", u"multiply", u"divide", u"mod", u"pow", u"and", u"or", u"xor", u"lshift",
            u"rshift", u"l_and", u"l_or", u"l_eq", u"l_neq", u"l_lt", u"l_gt", u"l_ltoe", u"l_gtoe",
            // optional and variable counts
            u"sqrt", u"nthroot", u"log", u"round", u"dtor", u"random", u"rnd", u"sum", u"count", u"mode",
            u"average", u"min", u"max", u"median", u"stddev", u"stddevs",
        };
        std::sort(list.begin(), list.end());
        return list;
    }();
    return names;
}

bool MXFunctionEvaluator::isStandardFunction(std::u16string_view name) {
    const std::vector<std::u16string>& names = standardFunctions();
    return std::binary_search(names.begin(), names.end(), MXLowercase(name));
}

}  // namespace detail
