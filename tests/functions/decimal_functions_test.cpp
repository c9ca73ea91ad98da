// Edge cases of the circular, hyperbolic and inverse functions: exact values, accuracy at
// the awkward ends of each domain, and not-a-number outside it.
#include <cmath>

#include "tests/functions/decimal_support.h"

namespace {

using namespace decimal_test;

INSTANTIATE_TEST_SUITE_P(Circular, DecimalValue, testing::Values(
    Case{"sin", MXDecimalSin, "1", "0.84147098480789650665250232163029899962", 36},
    Case{"sin", MXDecimalSin, "0", "0", kExactDigits},
    Case{"cos", MXDecimalCos, "1", "0.54030230586813971740093660744297660373", 36},
    Case{"cos", MXDecimalCos, "0", "1", kExactDigits},
    Case{"tan", MXDecimalTan, "1", "1.5574077246549022305069748074583601731", 33},
    Case{"csc", MXDecimalCsc, "1", "1.1883951057781212162615994523745510035", 36},
    Case{"sec", MXDecimalSec, "0", "1", kExactDigits},
    Case{"cot", MXDecimalCot, "1", "0.64209261593433070300641998659426562023", 33}));

INSTANTIATE_TEST_SUITE_P(InverseCircular, DecimalValue, testing::Values(
    Case{"atan", MXDecimalAtan, "1", "0.78539816339744830961566084581987572105", 36},
    Case{"atan", MXDecimalAtan, "2", "1.1071487177940905030170654601785370401", 36},
    Case{"atan", MXDecimalAtan, "-1e-40", "-1e-40", 36},
    Case{"atan", MXDecimalAtan, "-1e160", "-1.5707963267948966192313216916397514421", 36},
    Case{"asin", MXDecimalAsin, "1", "1.5707963267948966192313216916397514421", kExactDigits},
    Case{"asin", MXDecimalAsin, "-1", "-1.5707963267948966192313216916397514421", kExactDigits},
    Case{"asin", MXDecimalAsin, "0.999999999999999999999999999999", "1.5707963267948952050177593185447026404", 36},
    Case{"acos", MXDecimalAcos, "0.99999999999999999999", "1.4142135623730950488028672355116756578e-10", 36},
    Case{"acos", MXDecimalAcos, "-0.5", "2.0943951023931954923084289221863352561", 36},
    Case{"acos", MXDecimalAcos, "1", "0", kExactDigits},
    Case{"acos", MXDecimalAcos, "-1", "3.1415926535897932384626433832795028842", kExactDigits},
    Case{"asec", MXDecimalAsec, "1.000000000000000000000000000001", "1.4142135623730950488016887242091088229e-15", 36},
    Case{"asec", MXDecimalAsec, "-1", "3.1415926535897932384626433832795028842", kExactDigits},
    Case{"acsc", MXDecimalAcsc, "1e30", "1e-30", 36},
    Case{"acsc", MXDecimalAcsc, "-1", "-1.5707963267948966192313216916397514421", 36},
    Case{"acot", MXDecimalAcot, "-1", "2.3561944901923449288469825374596271631", 36},
    Case{"acot", MXDecimalAcot, "1e30", "1e-30", 36},
    Case{"acot", MXDecimalAcot, "0", "1.5707963267948966192313216916397514421", kExactDigits}));

INSTANTIATE_TEST_SUITE_P(Hyperbolic, DecimalValue, testing::Values(
    Case{"sinh", MXDecimalSinh, "1", "1.1752011936438014568823818505956008152", 36},
    Case{"sinh", MXDecimalSinh, "1e-30", "1e-30", 36},
    Case{"sinh", MXDecimalSinh, "300", "9.7121319762062796829210441800884960968e129", 36},
    Case{"sinh", MXDecimalSinh, "380", "5.3811255827552490177091867171219056401e164", 36},
    Case{"cosh", MXDecimalCosh, "1", "1.5430806348152437784779056207570616826", 36},
    Case{"cosh", MXDecimalCosh, "5", "74.209948524787844444106108044487714024", 36},
    Case{"cosh", MXDecimalCosh, "-300", "9.7121319762062796829210441800884960968e129", 36},
    Case{"tanh", MXDecimalTanh, "1e-20", "1e-20", 36},
    Case{"tanh", MXDecimalTanh, "1000", "1", kExactDigits},
    Case{"tanh", MXDecimalTanh, "-1000", "-1", kExactDigits},
    Case{"sech", MXDecimalSech, "200", "2.7677930534734750612973629139581693708e-87", 36},
    Case{"sech", MXDecimalSech, "1000", "0", kExactDigits},
    Case{"csch", MXDecimalCsch, "-100", "-7.4401519520416719259193916077262366747e-44", 36},
    Case{"coth", MXDecimalCoth, "1e-20", "1e20", 36}));

INSTANTIATE_TEST_SUITE_P(InverseHyperbolic, DecimalValue, testing::Values(
    Case{"asinh", MXDecimalAsinh, "0.5", "0.48121182505960344749775891342436842314", 36},
    Case{"asinh", MXDecimalAsinh, "2", "1.4436354751788103424932767402731052694", 36},
    Case{"asinh", MXDecimalAsinh, "-1e100", "-230.95165647996451371121637758989459733", 36},
    Case{"asinh", MXDecimalAsinh, "0", "0", kExactDigits},
    Case{"atanh", MXDecimalAtanh, "0.5", "0.54930614433405484569762261846126285232", 36},
    Case{"atanh", MXDecimalAtanh, "-0.9999999999", "-11.859499055225201074797948334150888489", 36},
    Case{"acsch", MXDecimalAcsch, "2", "0.48121182505960344749775891342436842314", 36},
    Case{"acsch", MXDecimalAcsch, "0.5", "1.4436354751788103424932767402731052694", 36},
    Case{"acsch", MXDecimalAcsch, "1e-100", "230.95165647996451371121637758989459733", 36},
    Case{"acoth", MXDecimalAcoth, "1.000000000000000000000000000001", "34.885349985190657914978487880994801398", 36}));

INSTANTIATE_TEST_SUITE_P(OutsideDomain, DecimalValue, testing::Values(
    Case{"asin", MXDecimalAsin, "1.5", "NaN"},
    Case{"acos", MXDecimalAcos, "-1.0000000000000000000000000000000000001", "NaN"},
    Case{"asec", MXDecimalAsec, "0.5", "NaN"},
    Case{"asec", MXDecimalAsec, "0", "NaN"},
    Case{"acsc", MXDecimalAcsc, "-0.5", "NaN"},
    Case{"atanh", MXDecimalAtanh, "1", "NaN"},
    Case{"atanh", MXDecimalAtanh, "-1", "NaN"},
    Case{"atanh", MXDecimalAtanh, "1.5", "NaN"},
    Case{"acoth", MXDecimalAcoth, "1", "NaN"},
    Case{"acoth", MXDecimalAcoth, "0.5", "NaN"},
    Case{"acsch", MXDecimalAcsch, "0", "NaN"},
    Case{"csch", MXDecimalCsch, "0", "NaN"},
    Case{"coth", MXDecimalCoth, "0", "NaN"},
    Case{"cot", MXDecimalCot, "0", "NaN"},
    Case{"sin", MXDecimalSin, "1e40", "NaN"},
    Case{"cos", MXDecimalCos, "-1e40", "NaN"},
    Case{"sinh", MXDecimalSinh, "400", "NaN"},
    Case{"cosh", MXDecimalCosh, "-1e100", "NaN"}));

INSTANTIATE_TEST_SUITE_P(NotANumberArgument, DecimalValue, testing::Values(
    Case{"sin", MXDecimalSin, "x", "NaN"}, Case{"tan", MXDecimalTan, "x", "NaN"},
    Case{"atan", MXDecimalAtan, "x", "NaN"}, Case{"acot", MXDecimalAcot, "x", "NaN"},
    Case{"sinh", MXDecimalSinh, "x", "NaN"}, Case{"sech", MXDecimalSech, "x", "NaN"},
    Case{"asinh", MXDecimalAsinh, "x", "NaN"}, Case{"acoth", MXDecimalAcoth, "x", "NaN"}));

TEST(DecimalSin, LargeArgumentsStayWithinTheRange) {
    for (const char* argument : {"1e20", "-1e30", "1e36"}) {
        EXPECT_LE(MXDoubleFromDecimal(MXDecimalAbsoluteValue(MXDecimalSin(D(argument)))), 1.0) << argument;
        EXPECT_LE(MXDoubleFromDecimal(MXDecimalAbsoluteValue(MXDecimalCos(D(argument)))), 1.0) << argument;
    }
}

TEST(DecimalTan, OddMultipleOfHalfPiDividesByZero) {
    for (const char* argument : {"1.5707963267948966192313216916397514421", "-1.5707963267948966192313216916397514421",
                                 "4.7123889803846898576939650749192543263", "1.5723671231216915158505530133313911935e3"}) {
        EXPECT_TRUE(MXDecimalTan(D(argument)).isNaN) << argument;
    }
    EXPECT_TRUE(MXDecimalTan(MXDecimalPi_2()).isNaN);
}

// Tiny arguments, one next to pi, and ones on both sides of the largest that the
// reduction by pi/2 handles exactly.
TEST(DecimalCircular, SineAndTangentAreOddAndCosineIsEven) {
    for (const char* argument : {"1e-40", "1.5570599106037653898703674515919457429e-30", "0.5",
                                 "3.1415926535897932384626433832795028842", "1000.25", "9.99e18", "1.01e19"}) {
        const MXDecimalRecord x = D(argument);
        EXPECT_EQ(text(MXDecimalSin(negated(x))), text(negated(MXDecimalSin(x)))) << argument;
        EXPECT_EQ(text(MXDecimalCos(negated(x))), text(MXDecimalCos(x))) << argument;
        EXPECT_EQ(text(MXDecimalTan(negated(x))), text(negated(MXDecimalTan(x)))) << argument;
    }
}

TEST(DecimalAcosh, GoesThroughDoubles) {
    EXPECT_TRUE(decimal_test::same(MXDecimalAcosh(D("2")), MXDecimalFromDouble(std::acosh(decimal_test::atRunTime(2.0)))));
    EXPECT_TRUE(decimal_test::same(MXDecimalAsech(D("0.5")), MXDecimalFromDouble(std::acosh(decimal_test::atRunTime(2.0)))));
    EXPECT_TRUE(MXDecimalAcosh(D("0.5")).isNaN);
}

}  // namespace
