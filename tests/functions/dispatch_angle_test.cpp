#include <gtest/gtest.h>

#include "functions/angle/MXAngleUnits.h"
#include "tests/support/evaluation_outcome.h"

namespace {

using namespace evaluator_test;
using namespace expression_test;
using mxcalc::detail::MXDTOR;
using mxcalc::detail::MXRTOD;

using Wrapper = MXExpressionPtr (*)(const MXExpressionPtr&, const MXMathEvaluator*, MXError*);

struct WrapperCase {
    const char* name;
    Wrapper wrapper;
    MXExpressionPtr expression;
    bool degrees;
    std::u16string expected;  // empty: the very same node comes back
};

TEST(AngleWrappers, WrapOnlyInDegreeModeAndNeverTwice) {
    const WrapperCase cases[] = {
        {"dtor in radians", &MXDTOR, var(u"x"), false, u""}, {"rtod in radians", &MXRTOD, num(1), false, u""},
        {"dtor wraps a variable", &MXDTOR, var(u"x"), true, u"dtor($x)"},
        {"dtor wraps a call", &MXDTOR, fn(u"add", {num(1), num(2)}), true, u"dtor(add(1,2))"},
        {"dtor keeps a DTOR call", &MXDTOR, fn(u"DTOR", {var(u"x")}), true, u""},
        {"dtor wraps an rtod call", &MXDTOR, fn(u"rtod", {var(u"x")}), true, u"dtor(rtod($x))"},
        {"rtod wraps a number", &MXRTOD, num(1.5707963267948966), true, u"rtod(1.5707963267948966)"},
        {"rtod keeps an rtod call", &MXRTOD, fn(u"rtod", {num(1)}), true, u""},
        {"rtod wraps a dtor call", &MXRTOD, fn(u"dtor", {num(1)}), true, u"rtod(dtor(1))"},
    };
    for (const auto& c : cases) {
        MXMathEvaluator evaluator;
        if (c.degrees) evaluator.setAngleMeasurementMode(MXAngleMeasurementModeDegrees);
        MXError error;
        const MXExpressionPtr result = c.wrapper(c.expression, &evaluator, &error);
        ASSERT_NE(result, nullptr) << c.name;
        EXPECT_TRUE(error.isEmpty()) << c.name;
        if (c.expected.empty()) {
            EXPECT_EQ(result, c.expression) << c.name;
        } else {
            EXPECT_EQ(utf8(result->description()), utf8(c.expected)) << c.name;
            EXPECT_EQ(result->arguments().at(0), c.expression) << c.name;
            EXPECT_EQ(c.expression->parentExpression(), result) << c.name;
        }
    }
}

TEST(AngleWrappers, NoEvaluatorMeansRadians) {
    const MXExpressionPtr x = var(u"x");
    EXPECT_EQ(MXDTOR(x, nullptr, nullptr), x);
    EXPECT_EQ(MXRTOD(x, nullptr, nullptr), x);
}

}  // namespace
