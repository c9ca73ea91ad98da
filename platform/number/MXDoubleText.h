#pragma once
// Doubles written as Python's repr writes floats: the shortest digits that read back as the
// same double, in fixed notation for 1e-4 <= |x| < 1e16 (100000, 0.0001, 1234.5) and in
// exponent notation otherwise (1e-05, 1e+16, 1.5e+300), never with a trailing ".0"; the
// infinities as inf and -inf, not-a-number as nan.
#include <string>

std::string MXDoubleReprText(double value);
