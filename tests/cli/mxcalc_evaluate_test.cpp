// mxcalc's default mode through the program itself: one line per input, exit statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/number/MXNumber.h"
#include "platform/text/MXText.h"
#include "tests/cli/mxcalc_evaluate_runner.h"
#include "tests/platform/settings_TemporaryFolder.h"

#ifdef MX_MXCALC_PATH

namespace {

MxcalcProgramRun mxcalc(const std::filesystem::path& settings, const std::string& arguments,
                        const std::string& input = "") {
    return runMxcalcProgram(MX_MXCALC_PATH, settings, arguments, input);
}

std::string described(double value) { return MXToUtf8(MXNumber(value).description()); }

using MxcalcEvaluate = TemporarySettingsFolder;

struct CliCase {
    const char* name;
    std::string arguments;
    std::string input;
    std::string out;
    int status;
};

TEST_F(MxcalcEvaluate, PrintsOneLinePerInputAndTheStatus) {
    const double pi = 3.141592653589793;
    const CliCase cases[] = {
        {"sum", "2+3", "", "5\n", 0},
        {"several arguments", "2+3 1/3 2^10", "", "5\n" + described(1.0 / 3) + "\n1024\n", 0},
        {"integer result kind", "'and(6;3)' '5!'", "", "2\n120\n", 0},
        {"infinity is a number", "1/0", "", "inf\n", 0},
        {"unknown function", "'foo(1)'", "", "error 15: unable to resolve function: foo\n", 1},
        {"lone e", "e", "", "error 15: unable to resolve function: e\n", 1},
        {"unknown variable", "'$x+1'", "", "error 14: unable to resolve variable: $x\n", 1},
        {"argument count", "'sin(1;2)'", "", "error 17: sin:variables:error: requires 1 argument\n", 1},
        {"no unique mode", "'mode(1;2;3)'", "", "error 16: invalid return type from mode function\n", 1},
        {"failure among successes", "2 'foo()' 3", "", "2\nerror 15: unable to resolve function: foo\n3\n", 1},
        {"optional argument failed but a number came", "'round(2.5;$digits)'", "", "3\n", 0},
        {"standard input", "", "2*3\\n$y\\n7-10\\n", "6\nerror 14: unable to resolve variable: $y\n-3\n", 1},
        {"negative first argument", "-- -2^2", "", "-4\n", 0},
        {"expressions behind the separator", "-- 2+3 'foo()'", "", "5\nerror 15: unable to resolve function: foo\n", 1},
        {"an expression beside the settings command", "2+3 settings", "", "", 2},
        {"radians by default", "'sin(30)'", "", described(std::sin(30.0)) + "\n", 0},
        {"degrees", "--degrees 'sin(30)' 'asin(1)'", "", described(std::sin(30.0 / 180 * pi)) + "\n90\n", 0},
        {"tangent pole in degrees", "--degrees 'tan(90)'", "", "NaN\n", 0},
        {"modulo by default", "'7%3'", "", "1\n", 0},
        {"percent", "--percent '50+10%' '200*15%'", "", "55\n30\n", 0},
        {"aliases", "'avg(1;3)' 'trunc(-2.5)'", "", "2\n-3\n", 0},
        {"high precision", "--precise 1/3", "", "0." + std::string(38, '3') + "\n", 0},
        {"high precision in degrees", "--precise --degrees 'sin(30)'", "", "0.5\n", 0},
    };
    for (const auto& c : cases) {
        const MxcalcProgramRun run = mxcalc(folder(), c.arguments, c.input);
        EXPECT_EQ(run.out, c.out) << c.name;
        EXPECT_EQ(run.status, c.status) << c.name;
    }
}

TEST_F(MxcalcEvaluate, ParseErrorsPrintCodeAndMessage) {
    const MxcalcProgramRun run = mxcalc(folder(), "'1+' 2+3");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.rfind("error 10: ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\n5\n"), std::string::npos) << run.out;
}

}  // namespace

#endif
