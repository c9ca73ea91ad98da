// mxcalc: reads the options, then gives every input (the arguments, else each line of
// standard input) to the chosen mode and prints one line per input.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/MxcalcModes.h"
#include "cli/SettingsCommand.h"
#include "cli/StandardOutput.h"
#include "engine/operators/MXMathOperatorSet.h"
#include "platform/text/MXText.h"

namespace {

constexpr int usageErrorStatus = 2;

const char* const description =
    "mxcalc: the calculator engine on the command line.\n"
    "\n"
    "Each EXPRESSION argument, or else each line of standard input, gives exactly one line\n"
    "on standard output: the result, or \"error <code>: <message>\" when the input fails.\n"
    "Exit status: 0 when every input succeeded, 1 when any failed, 2 on a usage error.\n"
    "Put \"--\" before expressions that begin with \"-\" (mxcalc -- -2^2).\n"
    "\n"
    "Expressions: numbers (2, .5, 1e3, 0x1F), operators + - * / ^ ! % ° and the logical and\n"
    "bitwise ones, functions with arguments separated by \";\" (max(1;2)), $variables and\n"
    "quoted 'variables'. Implicit multiplication: 2(3+4), 2pi, (1)(2).\n"
    "\n"
    "Without a mode option the expression is evaluated.";

struct Invocation {
    MxcalcOptions options;
    std::vector<std::string> expressions;
    std::string settingsAction;
    std::string settingsKey;
    std::vector<std::string> settingsValue;
    bool settingsShared = false;
};

void declareOptions(CLI::App& app, Invocation& invocation) {
    MxcalcOptions& options = invocation.options;
    auto* modes = app.add_option_group("modes", "At most one of these; without one the expression is evaluated");
    modes->add_flag("--tokens", options.tokens,
                    "Print the tokens, separated by one blank; a sign with several meanings prints the "
                    "function it was given (negate, subtract, factorial, l_not); variables print as $name");
    modes->add_flag("--tree", options.tree, "Print the parsed expression as function calls: add(2,multiply(3,4))");
    modes->add_flag("--simplify", options.simplify, "Print the simplified expression");
    modes->add_flag("--rewrite", options.rewrite, "Print the expression after the rewrite rules");
    auto* keyboard =
        modes->add_flag("--keyboard", options.keyboard, "Evaluate as the keyboard does (definitions, brackets, format)");
    modes->require_option(0, 1);
    app.add_flag("--keys", options.keys,
                 "With --keyboard: each input is a sequence of key titles separated by blanks (2 + 3 space), "
                 "tapped on a keyboard loaded afresh; the special keys are space, return, backspace, shift, "
                 "numbers, symbols and letters. Prints the document, a tab, and the space key's title")
        ->needs(keyboard);
    app.add_flag("--percent", options.percent,
                 "Let \"%\" mean percent (postfix) instead of modulo, as the keyboard has it");
    app.add_flag("--degrees", options.degrees, "Trigonometric functions in degrees instead of radians");
    app.add_flag("--precise", options.precise, "Compute in decimal arithmetic with 38 significant digits");
    app.add_option("--settings", options.settingsDir, "Folder of the settings stores")->type_name("DIR");
    app.add_option("--locale", options.locale, "Locale for number and date formatting, e.g. de_DE")->type_name("L");
    app.add_option("--timezone", options.timezone, "Time zone, e.g. Europe/Berlin")->type_name("TZ");
    app.add_option("expressions", invocation.expressions, "Expressions; without any, one per line of standard input")
        ->type_name("EXPRESSION");
}

CLI::App* declareSettingsCommand(CLI::App& app, Invocation& invocation) {
    auto* settings = app.add_subcommand("settings",
                                        "Read or change a setting: settings get|set|unset KEY [VALUE] [--shared]; "
                                        "--shared uses the store shared with the containing app, "
                                        "--settings DIR picks the folder");
    settings->add_option("action", invocation.settingsAction, "get, set or unset")
        ->required()
        ->check(CLI::IsMember({"get", "set", "unset"}));
    settings->add_option("key", invocation.settingsKey, "The setting's key")->required();
    settings->add_option("value", invocation.settingsValue, "The new value (set only)")->expected(0, 1);
    settings->add_flag("--shared", invocation.settingsShared, "Use the store shared with the containing app");
    settings->add_option("--settings", invocation.options.settingsDir, "Folder of the settings stores")->type_name("DIR");
    return settings;
}

int runSettings(const Invocation& invocation) {
    std::optional<std::string> value;
    if (!invocation.settingsValue.empty()) value = invocation.settingsValue.front();
    return runSettingsCommand(invocation.settingsAction, invocation.settingsKey, value, invocation.settingsShared,
                              invocation.options.settingsDir);
}

MxcalcLineProcessor chosenMode(const MxcalcOptions& options) {
    if (options.tokens) return tokensLine;
    if (options.tree) return treeLine;
    if (options.simplify) return simplifyLine;
    if (options.rewrite) return rewriteLine;
    if (options.keyboard) return options.keys ? keyboardKeysLine : keyboardLine;
    return evaluateLine;
}

bool processInput(const std::string& input, MxcalcLineProcessor process, const MxcalcOptions& options) {
    const LineResult result = answerLine(process, MXFromUtf8(input), options);
    std::fwrite(result.text.data(), 1, result.text.size(), stdout);
    std::fputc('\n', stdout);
    return result.ok;
}

int processInputs(const Invocation& invocation) {
    const MxcalcLineProcessor process = chosenMode(invocation.options);
    if (invocation.options.percent) MXMathOperatorSet::defaultOperatorSet()->setInterpretsPercentSignAsModulo(false);
    bool allSucceeded = true;
    if (!invocation.expressions.empty()) {
        for (const auto& expression : invocation.expressions) {
            allSucceeded = processInput(expression, process, invocation.options) && allSucceeded;
            if (standardOutputFailed()) break;
        }
    } else {
        for (std::string line; std::getline(std::cin, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            allSucceeded = processInput(line, process, invocation.options) && allSucceeded;
            if (standardOutputFailed()) break;
        }
    }
    return allSucceeded ? 0 : 1;
}

// Arguments that are all expressions (none is an option or the settings command) are what
// the option parser would make of them; taking them directly spares a one-shot calculation
// the parser's set-up.
std::optional<Invocation> plainExpressions(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    Invocation invocation;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-' || std::string_view(argv[i]) == "settings") return std::nullopt;
        invocation.expressions.emplace_back(argv[i]);
    }
    return invocation;
}

int run(int argc, char** argv) {
    if (const std::optional<Invocation> plain = plainExpressions(argc, argv)) return processInputs(*plain);
    CLI::App app{description, "mxcalc"};
    Invocation invocation;
    declareOptions(app, invocation);
    CLI::App* settings = declareSettingsCommand(app, invocation);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return usageErrorStatus;
    }
    if (settings->parsed() && !invocation.expressions.empty()) {
        std::fprintf(stderr, "mxcalc: expressions cannot be given with the settings command\n");
        return usageErrorStatus;
    }
    if (settings->parsed()) return runSettings(invocation);
    return processInputs(invocation);
}

}  // namespace

int main(int argc, char** argv) { return statusAfterFlushingStandardOutput(run(argc, argv)); }
