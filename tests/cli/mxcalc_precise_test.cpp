// mxcalc --precise through the program itself: decimal results print as plain numerals.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/cli/mxcalc_evaluate_runner.h"

#ifdef MX_MXCALC_PATH

namespace {

// mxcalc --precise with the arguments, in a settings folder of its own.
MxcalcProgramRun mxcalcPrecise(const std::string& arguments) {
    const std::filesystem::path settings = std::filesystem::temp_directory_path() / "mxcalc-precise-test";
    std::filesystem::create_directories(settings);
    return runMxcalcProgram(MX_MXCALC_PATH, settings, "--precise " + arguments);
}

struct PreciseCase {
    const char* name;
    std::string arguments;
    std::string out;
    int status;
};

TEST(MxcalcPrecise, PrintsDecimalResultsAsPlainNumerals) {
    const PreciseCase cases[] = {
        {"exact decimal sum", "0.1+0.2", "0.3\n", 0},
        {"38 digits", "1/3", "0.33333333333333333333333333333333333333\n", 0},
        {"no exponent", "'2^100' '1e-20*3'", "1267650600228229401496703205376\n0.00000000000000000003\n", 0},
        {"exact factorial", "'25!'", "15511210043330985984000000\n", 0},
        {"constant", "'pi'", "3.1415926535897932384626433832795028842\n", 0},
        {"division by zero", "1/0", "NaN\n", 0},
        {"double results stay doubles", "'ln(1)' 'factorial(-3)'", "0\nnan\n", 0},
        {"flushed sine", "'sin(pi)'", "0\n", 0},
        {"mod takes the divisor's sign", "'mod(-1;3)'", "2\n", 0},
        {"percent", "--percent '200+10%' '0.3+10%' '200*10%'", "220\n0.33\n20\n", 0},
        {"degrees", "--degrees 'rtod(pi)' 'asin(0)' 'sin(180)'", "180\n0\n0\n", 0},
        {"degrees and percent", "--degrees --percent 'dtor(180)+50%'",
         "4.7123889803846898576939650749192543263\n", 0},
        {"count error", "'sin(1;2)'", "error 17: sin:variables:error: requires 1 argument\n", 1},
        {"no mode", "'mode(1;2)'", "error 16: invalid return type from mode function\n", 1},
    };
    for (const auto& c : cases) {
        const MxcalcProgramRun run = mxcalcPrecise(c.arguments);
        EXPECT_EQ(run.out, c.out) << c.name;
        EXPECT_EQ(run.status, c.status) << c.name;
    }
}

}  // namespace

#endif
