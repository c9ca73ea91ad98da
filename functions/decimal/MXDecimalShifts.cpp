// Shifts: multiplication and division by powers of two, one doubling or halving per unit
// of the count. The loop ends early once the outcome is settled (zero, overflow, or a
// magnitude below 1 that further halving cannot raise), so any count is cheap.
#include "functions/decimal/MXDecimalDetail.h"

namespace {

enum class Direction { Left, Right };

MXDecimalRecord shifted(MXDecimalRecord value, MXDecimalRecord count, Direction direction) {
    if (value.isNaN || count.isNaN) return MXDecimalNAN();
    MXDecimalRecord remaining;
    MXDecimalRecordRound(&remaining, &count, 0, MXRoundDown);
    if (remaining.negative) {
        remaining = mxcalc::detail::MXDecimalMagnitude(remaining);
        direction = direction == Direction::Left ? Direction::Right : Direction::Left;
    }
    const MXDecimalRecord zero = MXDecimalZero();
    const MXDecimalRecord one = MXDecimalOne();
    MXDecimalRecord magnitude = mxcalc::detail::MXDecimalMagnitude(value);
    while (mxcalc::detail::MXDecimalCompare(remaining, zero) == 1 && !magnitude.isZero() &&
           !magnitude.isNaN) {
        if (direction == Direction::Left) {
            magnitude = MXDecimalMultiply(magnitude, MXDecimalTwo());
        } else {
            if (mxcalc::detail::MXDecimalCompare(magnitude, one) == -1) break;
            magnitude = MXDecimalDivide(magnitude, MXDecimalTwo());
        }
        remaining = MXDecimalSubtract(remaining, one);
    }
    if (magnitude.isNaN) return magnitude;
    if (mxcalc::detail::MXDecimalCompare(magnitude, one) == -1) return zero;
    return mxcalc::detail::MXDecimalWithSign(magnitude, value.negative);
}

}  // namespace

MXDecimalRecord MXDecimalLeftShift(MXDecimalRecord value, MXDecimalRecord count) {
    return shifted(value, count, Direction::Left);
}

MXDecimalRecord MXDecimalRightShift(MXDecimalRecord value, MXDecimalRecord count) {
    return shifted(value, count, Direction::Right);
}
