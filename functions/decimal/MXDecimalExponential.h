#pragma once
// The cores of the exponential and the logarithm on decimal records (MXDecimalExp and
// MXDecimalLn are public), accurate to about 37 significant digits. Not-a-number for
// arguments outside the domain and for results beyond the record's range (results too
// small for it become 0).
#include "platform/decimal/MXDecimalRecord.h"

namespace mxcalc::detail {

// e^x x factor; the factor is applied before the final scaling, so only the product
// decides whether the result fits.
MXDecimalRecord MXDecimalScaledExp(MXDecimalRecord x, MXDecimalRecord factor);
// e^x - 1, accurate relative to the result also for x near 0.
MXDecimalRecord MXDecimalExpm1(MXDecimalRecord x);
// ln(1 + u), accurate relative to the result also for u near 0.
MXDecimalRecord MXDecimalLog1p(MXDecimalRecord u);

}  // namespace mxcalc::detail
