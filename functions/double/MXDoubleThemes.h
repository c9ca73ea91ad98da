#pragma once
// The built-ins of each theme, as name and operation pairs.
#include "functions/double/MXDoubleSupport.h"

namespace mxcalc::detail {

MXBuiltinEntries arithmeticBuiltins();   // add subtract multiply divide mod pow negate factorial
MXBuiltinEntries rootBuiltins();         // sqrt nthroot
MXBuiltinEntries bitwiseBuiltins();      // and or xor not lshift rshift
MXBuiltinEntries statisticsBuiltins();   // sum count average min max median mode stddev stddevs
MXBuiltinEntries roundingBuiltins();     // ceil floor abs round
MXBuiltinEntries randomBuiltins();       // random rnd
MXBuiltinEntries logarithmBuiltins();    // log ln log2 exp
MXBuiltinEntries percentBuiltins();      // percent
MXBuiltinEntries circularBuiltins();     // sin cos tan and their inverses and reciprocals
MXBuiltinEntries hyperbolicBuiltins();   // sinh cosh tanh and their inverses and reciprocals
MXBuiltinEntries versineBuiltins();      // versin and relatives, exsec excsc crd
MXBuiltinEntries conversionBuiltins();   // constants, dtor rtod
MXBuiltinEntries storedValueBuiltins();  // varx varxi
MXBuiltinEntries logicBuiltins();        // l_and l_or l_not and the comparisons

}  // namespace mxcalc::detail
