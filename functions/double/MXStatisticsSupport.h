#pragma once
// Order and frequency of evaluated arguments, shared by the double and decimal statistics.
#include "functions/double/MXDoubleSupport.h"

namespace mxcalc::detail {

// The values in ascending order; equal values keep their order.
MXNumbers sortedAscending(MXNumbers values);

// The one value that occurs most often, when it occurs at least twice and no other value
// occurs as often; null otherwise. Points into `values`.
const MXNumber* uniqueMostFrequent(const MXNumbers& values);

}  // namespace mxcalc::detail
