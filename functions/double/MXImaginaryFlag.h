#pragma once
// The shared-store flag "intIMAGINARY", which tells the keyboard that the last root was
// taken of a negative number's magnitude.

namespace mxcalc::detail {

// Raises the flag for a negative radicand; otherwise lowers it when it is raised.
void noteRadicandSign(bool negative);

}  // namespace mxcalc::detail
