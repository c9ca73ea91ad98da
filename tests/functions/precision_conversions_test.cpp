// Constants, varx and the angle conversions dtor and rtod with high precision on.
#include "platform/settings/MXUserDefaults.h"
#include "keyboard/KeyboardStoredValues.h"
#include "tests/functions/precision_support.h"
#include "tests/support/temporary_folder.h"

namespace {

using namespace precision_test;

// "e" is the constant only inside a power; dtor and rtod convert in decimals.
TEST(PreciseConversions, EulersNumberInAPowerAndAngles) {
    expectDecimals({
        {u"e^2", "7.3890560989306502272304274605750078131803155705518", 37},
        {u"2^e", "6.5808859910179209708515424038864864915730774383481", 15},
        {u"dtor(180)", "3.1415926535897932384626433832795028842"},
        {u"dtor(30;30)", "0.53232542185827052096172568438902687760007592600523", 37},
        {u"dtor(0;0;3600)", "0.017453292519943295769236907684886127134428718885417", 37},
        {u"dtor(1)", "0.017453292519943295769236907684886127134428718885417", 37},
        {u"rtod(pi())", "180"}, {u"rtod(dtor(45))", "45", 37},
    });
    builtins_test::expectFailures({u"e", u"e()+1"}, MXErrorCodeUnresolvedFunction, u"unable to resolve function: e",
                                  MXAngleMeasurementModeRadians, true);
}

// Evaluators keep varx in the stores of a folder of the test's own.
class PreciseVarx : public TemporarySettingsFolder {
protected:
    PreciseVarx() { builtins_test::storedValuesOfEvaluators() = std::make_shared<KeyboardStoredValues>(); }
    ~PreciseVarx() override { builtins_test::storedValuesOfEvaluators().reset(); }
};

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
