// Expansion of the keyboard's and the user's definitions before evaluation.
#include "keyboard/KeyboardDefinitionExpansion.h"
#include "platform/log/MXLog.h"
#include "platform/text/MXText.h"
#include "tests/support/keyboard_fixture.h"

namespace {

constexpr std::string_view kExpansionLog = "Eval CustFunc Exception: ";

struct ExpansionCase {
    std::u16string userDefinitions;  // none when empty
    std::u16string typed;
    std::u16string expanded;  // currentEvalString after the evaluation
    std::u16string display;
};

class KeyboardExpansion : public KeyboardTest, public testing::WithParamInterface<ExpansionCase> {};

TEST_P(KeyboardExpansion, RewritesCallsBeforeEvaluation) {
    if (!GetParam().userDefinitions.empty()) setDefinitions(GetParam().userDefinitions);
    MXLogCapture log;
    EXPECT_EQ(shown(GetParam().typed), GetParam().display);
    EXPECT_EQ(controller().currentEvalString(), GetParam().expanded);
    EXPECT_TRUE(log.lines().empty());
}

const ExpansionCase kKeyboardDefinitions[] = {
    {u"", u"cosd(60)+sind(30;15)", u"(cos(dtor(60;0;0)))+(sin(dtor(30;15;0)))", u" = 1.00377397705"},
    {u"", u"sind(cosd(0)*30)", u"(sin(dtor((cos(dtor(0;0;0)))*30;0;0)))", u" = 0.5"},
    {u"", u"asind(1)", u"asind(1)", u""},
    // A call ends at its matching bracket; arguments split at ";" outside inner brackets.
    {u"", u"sind((15", u"(sin(dtor((15);0;0)))", u" = 0.2588190451"},
    {u"", u"sind(max(1;30);0)", u"(sin(dtor(max(1;30);0;0)))", u" = 0.5"},
};
INSTANTIATE_TEST_SUITE_P(KeyboardDefinitions, KeyboardExpansion, testing::ValuesIn(kKeyboardDefinitions));

const ExpansionCase kUserDefinitions[] = {
    {u"sq~~$1*$1", u"sq(2)+sq(3)", u"(2*2)+(3*3)", u" = 13"}, {u"f~~$1+$2", u"f($2;5)", u"(5+5)", u" = 10"},
    {u"km~~1000", u"km(5)", u"(5(1000))", u" = 5,000"}, {u"km~~1000", u"km(-5)", u"(1000)", u" = 1,000"},
    {u"p~~2*$1+$2+$3", u"p(1)", u"(2*1+0+0)", u" = 2"}, {u"ten~~$10", u"ten(7)", u"(70)", u" = 70"},
    {u"f~~sind($1)", u"f(30)", u"((sin(dtor(30;0;0))))", u" = 0.5"}, {u"a~~1~|~b~~2", u"a()+b()", u"(1)+(2)", u" = 3"},
    {u"n~~5", u"2n(3)", u"2(3(5))", u" = 30"}, {u"n~~5", u"x_n(3)+sin(0)", u"x_n(3)+sin(0)", u""},
    {u"~|~sq~~$1*$1~|~", u"sq(4)", u"(4*4)", u" = 16"}, {u"~~5", u"(2)", u"(2)", u" = 2"},
    // Names that read their argument as a number in another base.
    {u"bin~~x", u"bin(1011)", u"(11)", u" = 11"}, {u"bin2dec~~x", u"bin2dec(1012)", u"(5)", u" = 5"},
    {u"oct~~x", u"oct(777)", u"(511)", u" = 511"}, {u"oct2dec~~x", u"oct2dec(17)", u"(15)", u" = 15"},
    {u"hex~~x", u"hex(ff)", u"(255)", u" = 255"}, {u"hex2dec~~x", u"hex2dec(0x10)", u"(16)", u" = 16"},
    {u"bin~~1", u"bin(101)", u"(101(5))", u" = 505"},
};
INSTANTIATE_TEST_SUITE_P(UserDefinitions, KeyboardExpansion, testing::ValuesIn(kUserDefinitions));

// The expansion fails with one log line and leaves the text partly expanded.
void expectOneExpansionLog(const MXLogCapture& log) {
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].rfind(kExpansionLog, 0), 0u) << log.lines()[0];
}

TEST_F(KeyboardTest, ADefinitionWithoutSeparatorIsSkippedWhenCalled) {
    setDefinitions(u"foo~|~sq~~$1*$1");
    MXLogCapture log;
    EXPECT_EQ(shown(u"sq(3)+sind(30)"), u" = 9.5");
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(shown(u"foo(2)+sq(3)+sind(30)"), u"");
    EXPECT_EQ(controller().currentEvalString(), u"foo(2)+(3*3)+(sin(dtor(30;0;0)))");
    expectOneExpansionLog(log);
}

TEST_F(KeyboardTest, ASelfCallingDefinitionStopsAfterTheLimit) {
    setDefinitions(u"f~~f($1)+1");
    MXLogCapture log;
    EXPECT_EQ(shown(u"f(1)+sind(30)"), u"");
    expectOneExpansionLog(log);
    // Expansion ended there: the keyboard definitions were not reached.
    EXPECT_NE(controller().currentEvalString().find(u"sind(30)"), std::u16string::npos);
    EXPECT_NE(controller().currentEvalString().find(u"f(1)"), std::u16string::npos);
}

// Each argument holds ten of the next placeholder, so filling them in multiplies the text tenfold.
TEST_F(KeyboardTest, ExpansionThatWouldGrowWithoutBoundStops) {
    setDefinitions(u"g~~$1$1$1$1$1$1$1$1$1$1");
    std::u16string call = u"g(";
    for (int placeholder = 2; placeholder <= 9; ++placeholder) {
        for (int copy = 0; copy < 10; ++copy) call.append(u"$").append(MXIntegerText(placeholder));
        call += u";";
    }
    MXLogCapture log;
    EXPECT_EQ(shown(call + u"1)"), u"");
    EXPECT_LE(controller().currentEvalString().size(), mxcalc::detail::kKeyboardMaximumExpandedLength);
    expectOneExpansionLog(log);
}

}  // namespace
