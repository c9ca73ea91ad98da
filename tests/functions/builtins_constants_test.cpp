// Constants, Euler's number in a power, and the angle conversions.
#include <cmath>
#include <numbers>

#include "tests/support/builtin_evaluation.h"

namespace {

using namespace builtins_test;
constexpr double pi = std::numbers::pi;

TEST(Constants, AreTheNearestDoublesOrCarry38Digits) {
    using namespace std::numbers;
    const struct {
        const char16_t* text;
        MXDecimalRecord (*decimal)();
        double value;
    } cases[] = {
        {u"phi()", MXDecimalPhi, phi},         {u"pi()", MXDecimalPi, pi},       {u"pi_2()", MXDecimalPi_2, pi / 2},
        {u"pi_4()", MXDecimalPi_4, pi / 4},    {u"tau()", MXDecimal2Pi, 2 * pi}, {u"sqrt2()", MXDecimalSqrt2, sqrt2},
        {u"log2e()", MXDecimalLog2e, log2e},   {u"log10e()", MXDecimalLog10e, log10e},
        {u"ln2()", MXDecimalLn2, ln2},         {u"ln10()", MXDecimalLn10, ln10}, {u"π", MXDecimalPi, pi},
        {u"τ", MXDecimal2Pi, 2 * pi},          {u"ϕ", MXDecimalPhi, phi},
    };
    for (const auto& c : cases) expectBoth({c.text, c.value, decimal_test::text(c.decimal()).c_str()});
}

// "e" is the constant only as an operand of a power, in any case.
TEST(Constants, EulersNumberOnlyInAPower) {
    const BothCase cases[] = {
        {u"e^2", 7.3890560989306495, "7.3890560989306502272304274605750078131803155705518", 1e-15},
        {u"2^e", std::pow(2.0, std::numbers::e), nullptr}, {u"E^1", std::numbers::e, nullptr},
        {u"pow(e;1)", std::numbers::e, "2.7182818284590452353602874713526624978"},
    };
    for (const auto& c : cases) expectBoth(c);
    for (const bool precise : {false, true}) {
        for (const char16_t* text : {u"e", u"e()+1", u"2*e", u"sqrt(e)^2"}) {
            evaluator_test::expectError(evaluate(text, precise), MXErrorCodeUnresolvedFunction,
                                        u"unable to resolve function: e", utf8(text));
        }
    }
}

// Minutes and seconds join the degrees; a failing part counts as 0.
TEST(Conversions, DegreesMinutesSecondsAndBackInBothPrecisions) {
    const BothCase cases[] = {
        {u"dtor(180)", pi, "3.1415926535897932384626433832795028842"}, {u"90°", pi / 2, nullptr},
        {u"dtor(30;30)", 30.5 / 180 * pi, "0.53232542185827052096172568438902687760007592600523", 1e-15},
        {u"dtor(1;30;36)", (1 + 30.0 / 60 + 36.0 / 3600) / 180 * pi, nullptr},
        {u"dtor(0;0;3600)", 1.0 / 180 * pi, "0.017453292519943295769236907684886127134428718885417", 1e-15},
        {u"dtor($d;$m;$s)", 0, nullptr}, {u"rtod(pi)", 180, "180"}, {u"rtod(dtor(45))", 45, "45", 1e-15},
    };
    for (const auto& c : cases) expectBoth(c);
}

}  // namespace
