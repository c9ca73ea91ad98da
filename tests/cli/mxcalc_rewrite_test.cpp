// mxcalc --simplify and --rewrite through the program: one line per input, error lines,
// exit statuses, and the options that change how trees are read and folded.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#ifdef MX_MXCALC_PATH

namespace {

struct Output {
    std::string out;
    int status;
};

// `arguments` go to the shell as written; `input`, when given, is piped through printf.
Output mxcalc(const std::string& arguments, const std::string& input = "") {
    const std::string output = ::testing::TempDir() + "mxcalc_rewrite_output.txt";
    std::string command = std::string(MX_MXCALC_PATH) + " " + arguments + " >" + output + " 2>/dev/null";
    if (!input.empty()) command = "printf '" + input + "' | " + command;
    const int status = std::system(command.c_str());
    std::ifstream file(output);
    return {std::string(std::istreambuf_iterator<char>(file), {}), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
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
        const Output run = mxcalc(c.arguments);
        EXPECT_EQ(run.out, c.lines) << c.name;
        EXPECT_EQ(run.status, c.status) << c.name;
    }
}

TEST(MxcalcRewrite, ReadsStandardInputWithoutArguments) {
    const Output run = mxcalc("--rewrite", "1*$a\\n$b-$b\\n");
    EXPECT_EQ(run.out, "$a\n0\n");
    EXPECT_EQ(run.status, 0);
}

}  // namespace

#endif
