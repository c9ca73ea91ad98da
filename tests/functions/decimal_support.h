#pragma once
// Records from text, and the number of significant digits two values share.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "functions/decimal/MXDecimalMath.h"

namespace decimal_test {

constexpr double kExactDigits = 40;

inline MXDecimalRecord D(std::string_view text) { return MXDecimalRecordFromString(text); }

inline std::string text(const MXDecimalRecord& value) { return MXDecimalRecordToString(value); }

// x as the program sees it at run time, so that a library call on it is not folded at
// compile time (where the compiler may round differently from the run-time library).
inline double atRunTime(double x) {
    volatile double held = x;
    return held;
}

// -x through MXDecimalNegate.
inline MXDecimalRecord negated(MXDecimalRecord x) {
    MXDecimalNegate(x);
    return x;
}

inline bool same(MXDecimalRecord a, MXDecimalRecord b) { return MXDecimalRecordCompare(&a, &b) == 0; }

// -log10 of the relative error of value against reference + remainder (kExactDigits when
// they are equal); not-a-number agrees only with not-a-number.
inline double agreedDigits(MXDecimalRecord value, MXDecimalRecord reference,
                           MXDecimalRecord remainder = MXDecimalZero()) {
    if (value.isNaN || reference.isNaN) return value.isNaN && reference.isNaN ? kExactDigits : 0;
    const MXDecimalRecord difference =
        MXDecimalSubtract(MXDecimalSubtract(value, reference), remainder);
    const double error = std::fabs(MXDoubleFromDecimal(difference));
    if (error == 0) return kExactDigits;
    const double magnitude = std::fabs(MXDoubleFromDecimal(reference));
    if (magnitude == 0) return 0;
    return std::min(kExactDigits, -std::log10(error / magnitude));
}

// A function of one record, an argument, and the value the result must agree with in at
// least `digits` significant digits (kExactDigits: equal; "NaN": not-a-number).
struct Case {
    const char* name;
    MXDecimalRecord (*function)(MXDecimalRecord);
    const char* argument;
    const char* expected;
    double digits = kExactDigits;
};

// A function of two records, two arguments and the exact text of the result.
struct BinaryCase {
    const char* name;
    MXDecimalRecord (*function)(MXDecimalRecord, MXDecimalRecord);
    const char* left;
    const char* right;
    const char* expected;
};

inline std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << c.name << "(" << c.argument << ")";
}

inline std::ostream& operator<<(std::ostream& out, const BinaryCase& c) {
    return out << c.name << "(" << c.left << ", " << c.right << ")";
}

// Table fixtures; each test file instantiates them with its own cases.
class DecimalValue : public testing::TestWithParam<Case> {};
class DecimalBinaryValue : public testing::TestWithParam<BinaryCase> {};

}  // namespace decimal_test
