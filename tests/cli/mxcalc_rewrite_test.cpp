// mxcalc --simplify and --rewrite through the program: one line per input, error lines,
// exit statuses, and the options that change how trees are read and folded.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/cli/mxcalc_evaluate_runner.h"

#ifdef MX_MXCALC_PATH

namespace {

// mxcalc with the arguments, in a settings folder of its own; `input` is piped when given.
MxcalcProgramRun mxcalc(const std::string& arguments, const std::string& input = "") {
    const std::filesystem::path settings = std::filesystem::temp_directory_path() / "mxcalc-rewrite-test";
    std::filesystem::create_directories(settings);
    return runMxcalcProgram(MX_MXCALC_PATH, settings, arguments, input);
}

struct TreeCase {
    const char* name;
    std::string arguments;
    std::string lines;
    int status;
};

TEST(MxcalcRewrite, PrintsTheTreeOfEachInput) {
    const TreeCase cases[] = {
        {"simplify folds numbers", "--simplify '$x + 2*3' '1+2'", "add($x,6)\n3\n", 0},
        {"simplify keeps variables", "--simplify '$x*$x'", "multiply($x,$x)\n", 0},
        {"simplify reports an evaluation error", "--simplify 'foo(1) + $x'",
         "error 15: unable to resolve function: foo\n", 1},
        {"simplify parse error", "--simplify '1+'", "error 10: no right operand to binary +\n", 1},
        {"simplify in degrees", "--degrees --simplify 'sin(90) + $x'", "add(1,$x)\n", 0},
        {"rewrite", "--rewrite '$x + 0' '2*$x' '$x*$x' '$x/$x' 'abs(-$y)'",
         "$x\nmultiply($x,2)\npow($x,2)\ndivide($x,$x)\nabs($y)\n", 0},
        {"rewrite ignores evaluation errors", "--rewrite 'foo(1) * 1'", "foo(1)\n", 0},
        {"rewrite parse error among successes", "--rewrite '(' '0*$x'", "error 7: imbalanced parentheses\n0\n", 1},
        {"rewrite with percent", "--percent --rewrite 'nthroot($x^2;2)' 'nthroot($x^3;3)' '50%*$x'",
         "abs($x)\n$x\nmultiply($x,0.5)\n", 0},
    };
    for (const auto& c : cases) {
        const MxcalcProgramRun run = mxcalc(c.arguments);
        EXPECT_EQ(run.out, c.lines) << c.name;
        EXPECT_EQ(run.status, c.status) << c.name;
    }
}

TEST(MxcalcRewrite, ReadsStandardInputWithoutArguments) {
    const MxcalcProgramRun run = mxcalc("--rewrite", "1*$a\\n$b-$b\\n");
    EXPECT_EQ(run.out, "$a\n0\n");
    EXPECT_EQ(run.status, 0);
}

}  // namespace

#endif
