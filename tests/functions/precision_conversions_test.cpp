// Constants, varx and the angle conversions dtor and rtod with high precision on.
#include "platform/settings/MXUserDefaults.h"
#include "tests/functions/precision_support.h"
#include "tests/platform/settings_TemporaryFolder.h"

namespace {

using namespace precision_test;

TEST(PreciseConstants, Carry38Digits) {
    expectDecimals({
        {u"pi()", "3.1415926535897932384626433832795028842"},
        {u"π", "3.1415926535897932384626433832795028842"},
        {u"pi_2()", "1.5707963267948966192313216916397514421"},
        {u"pi_4()", "0.78539816339744830961566084581987572105"},
        {u"tau()", "6.2831853071795864769252867665590057684"},
        {u"τ", "6.2831853071795864769252867665590057684"},
        {u"phi()", "1.6180339887498948482045868343656381177"},
        {u"sqrt2()", "1.4142135623730950488016887242096980786"},
        {u"log2e()", "1.4426950408889634073599246810018921374"},
        {u"log10e()", "0.43429448190325182765112891891660508229"},
        {u"ln2()", "0.69314718055994530941723212145817656808"},
        {u"ln10()", "2.3025850929940456840179914546843642076"},
        // "e" is the constant only inside a power.
        {u"e^2", "7.3890560989306502272304274605750078131803155705518", 37},
        {u"2^e", "6.5808859910179209708515424038864864915730774383481", 15},
        {u"2pi", "6.2831853071795864769252867665590057684"},
    });
    expectFailure(u"e", MXErrorCodeUnresolvedFunction, u"unable to resolve function: e");
    expectFailure(u"e()+1", MXErrorCodeUnresolvedFunction, u"unable to resolve function: e");
}

TEST(PreciseAngles, DtorAndRtodConvertInDecimals) {
    expectDecimals({
        {u"dtor(180)", "3.1415926535897932384626433832795028842"},
        {u"dtor(30;30)", "0.53232542185827052096172568438902687760007592600523", 37},
        {u"dtor(0;90)", "0.026179938779914943653855361527329190701643078328126", 37},
        {u"dtor(0;0;3600)", "0.017453292519943295769236907684886127134428718885417", 37},
        {u"dtor(1)", "0.017453292519943295769236907684886127134428718885417", 37},
        {u"rtod(pi())", "180"},
        {u"rtod(pi_2())", "90", 37},
        {u"rtod(dtor(45))", "45", 37},
    });
    expectDecimalDespiteError(u"dtor($d;10800)", "3.1415926535897932384626433832795028842",
                              u"unable to resolve variable: $d");
    expectDecimalDespiteError(u"dtor(90;$m;324000)", "3.1415926535897932384626433832795028842",
                              u"unable to resolve variable: $m");
    expectFailure(u"dtor($d)", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $d");
}

class PreciseVarx : public TemporarySettingsFolder {};

TEST_F(PreciseVarx, ReadsTheSharedDoubleAsTheDigitsItPrintsAs) {
    const MXUserDefaults shared(MXAppGroupIdentifier);
    expectDecimals({{u"varx()", "0"}});
    ASSERT_TRUE(shared.setDouble(0.1, u"varXvalue"));
    expectDecimals({{u"varx()", "0.1"}, {u"Χ*3", "0.3"}});
    ASSERT_TRUE(shared.setDouble(1e-9, u"varXvalue"));
    expectDecimals({{u"varx", "0.000000001"}});
    ASSERT_TRUE(shared.setInteger(7, u"varXvalue"));
    expectDecimals({{u"varx+0.5", "7.5"}});
}

}  // namespace
