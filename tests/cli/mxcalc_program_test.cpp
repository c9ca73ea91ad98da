// The mxcalc program end to end: one output line per input, error lines and exit statuses of each mode.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "keyboard/KeyboardSettingsKeys.h"
#include "platform/number/MXNumber.h"
#include "platform/settings/MXUserDefaults.h"
#include "platform/text/MXText.h"
#include "tests/support/program_runner.h"

#ifdef MX_MXCALC_PATH

namespace {

std::string described(double value) { return MXToUtf8(MXNumber(value).description()); }

TEST_F(MxcalcProgram, EvaluatesEachExpression) {
    const double pi = 3.141592653589793;
    expectRuns({
        {"2+3 1/3", "", "5\n" + described(1.0 / 3) + "\n", 0},
        {"'sin(1;2)'", "", "error 17: sin:variables:error: requires 1 argument\n", 1},
        {"'mode(1;2;3)'", "", "error 16: invalid return type from mode function\n", 1},
        {"2 'foo()' 3", "", "2\nerror 15: unable to resolve function: foo\n3\n", 1},
        {"'1+' 2+3", "", "error 10: no right operand to binary +\n5\n", 1},
        {"", "2*3\n$y\n7-10\n", "6\nerror 14: unable to resolve variable: $y\n-3\n", 1},
        {"--degrees 'sin(30)' 'asin(1)' 'tan(90)'", "", described(std::sin(30.0 / 180 * pi)) + "\n90\nNaN\n", 0},
    });
}

TEST_F(MxcalcProgram, PrecisePrintsDecimalResultsAsPlainNumerals) {
    expectRuns({
        {"--precise 0.1+0.2 1/3", "", "0.3\n0." + std::string(38, '3') + "\n", 0},
        {"--precise '2^100' '1e-20*3'", "", "1267650600228229401496703205376\n0.00000000000000000003\n", 0},
        {"--precise 1/0 'ln(1)' 'factorial(-3)'", "", "NaN\n0\nnan\n", 0},
        {"--precise --degrees --percent 'dtor(180)+50%'", "", "4.7123889803846898576939650749192543263\n", 0},
        {"--precise 'sin(1;2)'", "", "error 17: sin:variables:error: requires 1 argument\n", 1},
    });
}

// Where a function has no decimal value, precise mode prints what the double computation
// gives: infinities and not-a-number of either kind, -0, and numbers beyond the decimal range.
TEST_F(MxcalcProgram, PreciseDomainEdgesPrintAsTheDoubleResults) {
    const std::pair<const char*, const char*> edges[] = {
        {"ln(0)", "-inf"}, {"ln(-1)", "nan"}, {"log(0)", "-inf"}, {"log(8;0)", "-0"}, {"log(8;1)", "inf"},
        {"log(1;1)", "nan"}, {"log(8;-2)", "nan"}, {"log(2;x)", "-0"}, {"log2(-0.5)", "nan"}, {"exp(1000)", "inf"},
        {"exp(400)", "5.221469689764144e+173"}, {"exp(-300)", "5.148200222412013e-131"}, {"exp(-1000)", "0"},
        {"0^-1", "NaN"}, {"0^0.5", "0"}, {"(-8)^(1/3)", "NaN"}, {"(-8)^-1", "-0.125"}, {"1e100^1.7", "NaN"},
        {"2^-1e30", "0"}, {"nthroot(-8;3)", "2"}, {"nthroot(0;-3)", "NaN"}, {"nthroot(2;1e-30)", "NaN"},
        {"sqrt(16;0)", "NaN"}, {"acosh(0.5)", "NaN"}, {"asech(2)", "NaN"}, {"factorial(171.5)", "inf"},
        {"factorial(170.5)", "9.4833675668248e+307"}, {"factorial(-170.5)", "5.648220884223325e-306"},
        {"factorial(-200.5)", "0"},
    };
    std::string input, out;
    for (const auto& [expression, printed] : edges) {
        input += std::string(expression) + "\n";
        out += std::string(printed) + "\n";
    }
    expectRuns({{"--precise", input, out, 0}});
}

TEST_F(MxcalcProgram, SimplifyAndRewritePrintTheTree) {
    expectRuns({
        {"--simplify '$x + 2*3' '1+2' '$x*$x'", "", "add($x,6)\n3\nmultiply($x,$x)\n", 0},
        {"--simplify 'foo(1) + $x'", "", "error 15: unable to resolve function: foo\n", 1},
        {"--simplify '1+'", "", "error 10: no right operand to binary +\n", 1},
        {"--degrees --simplify 'sin(90) + $x'", "", "add(1,$x)\n", 0},
        {"--rewrite '$x + 0' '2*$x' '$x*$x' '$x/$x' 'abs(-$y)'", "",
         "$x\nmultiply($x,2)\npow($x,2)\ndivide($x,$x)\nabs($y)\n", 0},
        {"--rewrite 'foo(1) * 1'", "", "foo(1)\n", 0},
        {"--rewrite '(' '0*$x'", "", "error 7: imbalanced parentheses\n0\n", 1},
        {"--percent --rewrite 'nthroot($x^2;2)' 'nthroot($x^3;3)' '50%*$x'", "", "abs($x)\n$x\nmultiply($x,0.5)\n", 0},
    });
}

TEST_F(MxcalcProgram, TokensAndTree) {
    expectRuns({
        {"--tokens '2(3+4)' '3--2' '5!' '$x y'", "",
         "2 * ( 3 add 4 )\n3 subtract negate 2\n5 factorial\n$x * y ( )\n", 0},
        {"--tokens '2\u03C0' '' 0x1F", "", "2 * \u03C0 ( )\n\n31\n", 0},
        {"--tree '1+2*3' '2\u00D73' 'SIN(1)'", "", "add(1,multiply(2,3))\nmultiply(2,3)\nsin(1)\n", 0},
        {"--tree '(1' 1+2 ')'", "",
         "error 7: imbalanced parentheses\nadd(1,2)\nerror 11: no left operand to unary )\n", 1},
        {"--tree --percent 5%2 2+3%", "", "multiply(percent(5),2)\nadd(2,percent(3))\n", 0},
        {"--tree '" + std::string(2000, '(') + "1'", "", "error 1: expression nested too deeply\n", 1},
        {"--tree", "1+2\n2*\n\n",
         "add(1,2)\nerror 10: no right operand to binary *\nerror 1: Unable to create expression from term: ()\n", 1},
        {"--tokens", "1+2\r\n3", "1 add 2\n3\n", 0},
        {"--tree", "", "", 0},
    });
}

TEST_F(MxcalcProgram, UsageErrorsPrintNothingAndExitTwo) {
    expectRuns({{"--tokens --tree 1", "", "", 2}, {"--no-such-option 1", "", "", 2}, {"--settings", "", "", 2},
                {"2+3 settings", "", "", 2}});
    const MxcalcRun help = mxcalc("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* word : {"--tokens", "--precise", "--keys", "--timezone", "settings", "Exit status"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
}

TEST_F(MxcalcProgram, KeyboardPrintsTheSpaceKeyTitleForEachLine) {
    const std::string keyboard = "--keyboard " + settingsOption();
    expectRuns({
        {keyboard + "--locale en_US --timezone UTC", "2+3\n1/0\nhello\n(2+3\nsind(30\n\n1234567.5\n",
         " = 5\n = NaN\n\n = 5\n = 0.5\n\n = 1,234,567.5\n", 0},
        {keyboard + "--locale de_DE --timezone UTC", "1234,5\n2/3\n", " = 1 234,5\n = 0,66666666667\n", 0},
    });
    const MXUserDefaults store = MXUserDefaults().inDirectory(folder());
    ASSERT_TRUE(store.setString(u"sq~~$1*$1~|~timestamp~~x", KeyboardKeySaveCustomFunc));
    ASSERT_TRUE(store.setInteger(2, KeyboardKeySaveINTMAX));
    expectRuns({{keyboard + "--locale en_US --timezone Europe/Berlin", "sq(1.5)\ntimestamp(2020;1;1)\n",
                 " = 2.25\n = 1,577,829,600\n", 0}});
    for (const auto& [option, message] :
         {std::pair{"--timezone Nowhere/Atall", "mxcalc: --timezone: not a time zone: Nowhere/Atall\n"},
          std::pair{"--locale 'e n'", "mxcalc: --locale: not a locale: e n\n"}}) {
        const MxcalcRun rejected = mxcalc(keyboard + option, "1\n", true);
        EXPECT_EQ(rejected.status, 2);
        EXPECT_EQ(rejected.out, message);
    }
}

TEST_F(MxcalcProgram, KeyboardKeysTapsEachLineOnAFreshlyLoadedKeyboard) {
    const std::string keys = "--keyboard --keys --locale en_US " + settingsOption();
    expectRuns({
        {keys, "2 + 3 space\nshift asin 1\nsin 3 0\n2 * 2 1 return\nh i space\n", 
         "2 + 3 = 5\t\nasin(1\t = 1.57079632679\nsind(30\t = 0.5\n2*21 = 42\\n\t\nhi \t\n", 0},
        {keys, "numbers 7 symbols EE letters q\n9 zzz\n", "7Eq\t\nerror 0: no key \"zzz\" on the keyboard\n", 1},
        {"--keys 2", "", "", 2},
    });
    const MXUserDefaults shared = MXUserDefaults(MXAppGroupIdentifier).inDirectory(folder());
    EXPECT_EQ(shared.integerForKey(KeyboardKeyKeyboardInstall), 7);
}

// Failed writes end the program with status 1; with SIGPIPE ignored it stops reading too.
TEST_F(MxcalcProgram, FailedWritesOfStandardOutputExitOne) {
    const std::string program = MX_MXCALC_PATH;
    const std::pair<std::string, std::string> cases[] = {
        {program + " 1+1 >/dev/full 2>/dev/null; echo $?", "1\n"},
        {program + " 1+1 >&- 2>/dev/null; echo $?", "1\n"},
        {program + " settings get saveINTMAX >/dev/full 2>/dev/null; echo $?", "1\n"},
        {"exec 3>&1; trap '' PIPE; yes 1+1 2>/dev/null | (timeout 20 " + program + " 2>/dev/null; echo $? >&3) | head -n 1",
         "2\n1\n"},
    };
    for (const auto& [command, out] : cases) EXPECT_EQ(shell(command).out, out) << command;
}

// An input that needs more memory than the process may have gets an error line of its own.
TEST_F(MxcalcProgram, InputBeyondTheMemoryLimitGetsAnErrorLine) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "a memory limit leaves no room for the sanitizer's shadow memory";
#endif
    const MxcalcRun run = shell("(yes 1+ | head -n 3000000 | tr -d '\\n'; echo 1; echo 2+2) | (ulimit -v 400000; " +
                                std::string(MX_MXCALC_PATH) + ")");
    EXPECT_EQ(run.out, "error 1: not enough memory for this input\n4\n");
    EXPECT_EQ(run.status, 1);
}

// Expressions and the settings command do not mix; --settings, before or after the command,
// takes the place of the environment's folder.
TEST_F(MxcalcProgram, SettingsCommand) {
    const std::string other = shellQuoted((folder() / "other").string());
    expectRuns({
        {"2+2 settings get saveINTMAX", "", "", 2},
        {"settings set saveINTMAX 5 --settings " + other, "", "", 0},
        {"--settings " + other + " settings get saveINTMAX", "", "5\n", 0},
        {"settings get saveINTMAX --shared --settings " + other, "", "\n", 0},
        {"settings get saveINTMAX", "", "\n", 0},
        {"--settings " + other + " settings set saveINTMAX seven", "", "", 1},
        {"settings set saveCustomFunc 'sq~~$1*$1'", "", "", 0},
        {settingsOption() + "settings get saveCustomFunc", "", "sq~~$1*$1\n", 0},
    });
}

}  // namespace

#endif
