// sqrt and nthroot with high precision on, and the flag nthroot keeps in the settings.
#include "platform/settings/MXUserDefaults.h"
#include "tests/functions/precision_support.h"
#include "tests/platform/settings_TemporaryFolder.h"

namespace {

using namespace precision_test;

const std::u16string kImaginaryKey = u"intIMAGINARY";

TEST(PreciseSqrt, OneArgumentTakesHeronsRootToAllDigits) {
    expectDecimals({
        {u"sqrt(9)", "3"},
        {u"sqrt(0.25)", "0.5"},
        {u"sqrt(1e100)", "1e50"},
        {u"sqrt(2)", "1.41421356237309504880168872420969807856967187537694807317668", 37},
        {u"sqrt(2)^2", "2", 37},
        {u"sqrt(0)", "0"},
        {u"sqrt(-4)", "NaN"},
    });
}

TEST(PreciseSqrt, AnIndexGoesThroughDoublesAndCountsAsZeroWhenItFails) {
    expectDecimals({
        {u"sqrt(8;3)", "2"},
        {u"sqrt(16;2)", "4"},
        {u"sqrt(16;1)", "16"},
        // 1 / 0 is not-a-number, and so is the power.
        {u"sqrt(16;0)", "NaN"},
    });
    expectDecimalDespiteError(u"sqrt(16;$n)", "NaN", u"unable to resolve variable: $n");
    expectFailure(u"sqrt($x)", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $x");
    expectFailure(u"sqrt($x;$n)", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $n");
}

class PreciseNthroot : public TemporarySettingsFolder {};

TEST_F(PreciseNthroot, TakesTheIndexTwoWhenAbsentZeroOrFailing) {
    expectDecimals({
        {u"nthroot(16)", "4"},
        {u"nthroot(16;0)", "4"},
        {u"nthroot(8;3)", "2"},
        {u"nthroot(16;4)", "2"},
    });
    expectDecimalDespiteError(u"nthroot(16;$n)", "4", u"unable to resolve variable: $n");
    expectFailure(u"nthroot($x;3)", MXErrorCodeUnresolvedVariable, u"unable to resolve variable: $x");
}

TEST_F(PreciseNthroot, RootsTheMagnitudeOfANegativeNumberAndRaisesTheFlag) {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    expectDecimals({{u"nthroot(-8;3)", "2"}});
    EXPECT_EQ(store.integerForKey(kImaginaryKey), 1);
    // sqrt leaves the flag alone, and so does a radicand that fails.
    expectDecimals({{u"sqrt(4)", "2"}, {u"sqrt(-4;2)", "NaN"}});
    EXPECT_FALSE(evaluatePrecise(u"nthroot($x;3)").number.has_value());
    EXPECT_EQ(store.integerForKey(kImaginaryKey), 1);
    expectDecimals({{u"nthroot(8;3)", "2"}});
    EXPECT_EQ(store.integerForKey(kImaginaryKey), 0);
    expectDecimals({{u"nthroot(-0.25)", "0.5"}});
    EXPECT_EQ(store.integerForKey(kImaginaryKey), 1);
}

}  // namespace
