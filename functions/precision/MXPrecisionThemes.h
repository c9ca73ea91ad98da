#pragma once
// The decimal built-ins of each theme, as name and operation pairs.
#include "functions/precision/MXPrecisionSupport.h"

namespace mxcalc::detail {

MXBuiltinEntries decimalArithmeticBuiltins();   // add subtract multiply divide mod pow lshift rshift
                                                // negate abs ceil floor factorial
MXBuiltinEntries decimalRootBuiltins();         // sqrt nthroot
MXBuiltinEntries decimalLogarithmBuiltins();    // log ln log2 exp
MXBuiltinEntries decimalStatisticsBuiltins();   // sum average mode median stddev stddevs
MXBuiltinEntries decimalPercentBuiltins();      // percent
MXBuiltinEntries decimalCircularBuiltins();     // sin cos tan, reciprocals and inverses
MXBuiltinEntries decimalHyperbolicBuiltins();   // sinh cosh tanh, reciprocals and inverses
MXBuiltinEntries decimalVersineBuiltins();      // versin and relatives, exsec excsc crd
MXBuiltinEntries decimalConversionBuiltins();   // constants, dtor rtod, varx

}  // namespace mxcalc::detail
