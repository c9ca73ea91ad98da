// Scaling by powers of ten.
#include "functions/decimal/MXDecimalDetail.h"

namespace mxcalc::detail {

MXDecimalRecord MXDecimalScaledByPowerOfTen(MXDecimalRecord x, int power) {
    // Two steps keep each factor inside the exponent range and the intermediate near x.
    const int first = power / 2;
    x = MXDecimalMultiply(x, MXDecimalFromParts(1, first));
    return MXDecimalMultiply(x, MXDecimalFromParts(1, power - first));
}

}  // namespace mxcalc::detail
