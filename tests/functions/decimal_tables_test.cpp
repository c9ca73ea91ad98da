// The checks behind the table fixtures that the other decimal test files instantiate.
#include "tests/functions/decimal_support.h"

namespace decimal_test {

TEST_P(DecimalValue, Agrees) {
    const Case& c = GetParam();
    const MXDecimalRecord result = c.function(D(c.argument));
    EXPECT_GE(agreedDigits(result, D(c.expected)), c.digits)
        << c.name << "(" << c.argument << ") = " << text(result) << ", expected " << c.expected;
}

TEST_P(DecimalBinaryValue, IsExact) {
    const BinaryCase& c = GetParam();
    EXPECT_EQ(text(c.function(D(c.left), D(c.right))), c.expected);
}

}  // namespace decimal_test
