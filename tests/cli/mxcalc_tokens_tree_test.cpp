// mxcalc --tokens and --tree: one output line per input, error lines, exit statuses.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Outcome {
    std::vector<std::string> lines;
    int status;
};

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

// Runs mxcalc with the arguments, feeding `input` (when given) to its standard input.
Outcome run(const std::vector<std::string>& arguments, const char* input = nullptr) {
    std::string command;
    if (input != nullptr) command.append("printf '%s' ").append(quoted(input)).append(" | ");
    command.append(quoted(MX_MXCALC_PATH));
    for (const auto& argument : arguments) command.append(" ").append(quoted(argument));
    command.append(" 2>/dev/null");
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {{}, -1};
    std::string current;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
        if (c == '\n') {
            outcome.lines.push_back(current);
            current.clear();
        } else {
            current += char(c);
        }
    }
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

using Lines = std::vector<std::string>;

struct CliCase {
    std::vector<std::string> arguments;
    const char* input;
    Lines lines;
    int status;
};

TEST(MxcalcTokensTree, OneLinePerInputAndTheExitStatus) {
    const std::vector<CliCase> cases = {
        {{"--tokens", "2(3+4)", "3--2", "5!", "$x y"}, nullptr,
         {"2 * ( 3 add 4 )", "3 subtract negate 2", "5 factorial", "$x * y ( )"}, 0},
        {{"--tokens", "2\u03C0", "", "0x1F"}, nullptr, {"2 * \u03C0 ( )", "", "31"}, 0},
        {{"--tree", "1+2*3", "2\u00D73", "SIN(1)"}, nullptr, {"add(1,multiply(2,3))", "multiply(2,3)", "sin(1)"}, 0},
        {{"--tree", "(1", "1+2", ")"}, nullptr,
         {"error 7: imbalanced parentheses", "add(1,2)", "error 11: no left operand to unary )"}, 1},
        {{"--tree", "--", "-2^2", "2^3^2"}, nullptr, {"negate(pow(2,2))", "pow(2,pow(3,2))"}, 0},
        {{"--tree", "5%2"}, nullptr, {"mod(5,2)"}, 0},
        {{"--tree", "--percent", "5%2", "2+3%"}, nullptr, {"multiply(percent(5),2)", "add(2,percent(3))"}, 0},
        {{"--tokens", "--percent", "5%"}, nullptr, {"5 %"}, 0},
        {{"--tree", std::string(2000, '(') + "1"}, nullptr, {"error 1: expression nested too deeply"}, 1},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.arguments, c.input);
        EXPECT_EQ(outcome.lines, c.lines) << c.arguments[1];
        EXPECT_EQ(outcome.status, c.status) << c.arguments[1];
    }
}

TEST(MxcalcTokensTree, ReadsStandardInputWhenThereAreNoExpressions) {
    const std::vector<CliCase> cases = {
        {{"--tree"}, "1+2\n2*\n\n", {"add(1,2)", "error 10: no right operand to binary *",
                                     "error 1: Unable to create expression from term: ()"}, 1},
        {{"--tokens"}, "1+2\r\n3", {"1 add 2", "3"}, 0},
        {{"--tree"}, "", {}, 0},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.arguments, c.input);
        EXPECT_EQ(outcome.lines, c.lines) << c.input;
        EXPECT_EQ(outcome.status, c.status) << c.input;
    }
}

TEST(MxcalcTokensTree, UsageErrorsPrintNothingAndExitTwo) {
    const std::vector<std::vector<std::string>> usages = {
        {"--tokens", "--tree", "1"},
        {"--no-such-option", "1"},
        {"--settings"},
    };
    for (const auto& arguments : usages) {
        const Outcome outcome = run(arguments);
        EXPECT_TRUE(outcome.lines.empty()) << arguments[0];
        EXPECT_EQ(outcome.status, 2) << arguments[0];
    }
}

TEST(MxcalcTokensTree, HelpExplainsTheOptions) {
    const Outcome outcome = run({"--help"});
    EXPECT_EQ(outcome.status, 0);
    std::string text;
    for (const auto& line : outcome.lines) text += line + "\n";
    for (const char* word : {"--tokens", "--tree", "--percent", "--degrees", "--precise", "--simplify", "--rewrite",
                             "--keyboard", "--settings", "--locale", "--timezone", "settings", "Exit status"}) {
        EXPECT_NE(text.find(word), std::string::npos) << word;
    }
}

}  // namespace
