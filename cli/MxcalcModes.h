#pragma once
// The modes of mxcalc. Each mode turns one input text into one output line; main.cpp reads
// the options and the inputs and calls the chosen mode once per input.
#include <optional>
#include <string>

#include "platform/error/MXError.h"

struct MxcalcOptions {
    bool tokens = false;
    bool tree = false;
    bool percent = false;
    bool degrees = false;
    bool precise = false;
    bool simplify = false;
    bool rewrite = false;
    bool keyboard = false;
    bool keys = false;
    std::optional<std::string> settingsDir;
    std::optional<std::string> locale;
    std::optional<std::string> timezone;
};

struct LineResult {
    std::string text;
    bool ok;
};

using MxcalcLineProcessor = LineResult (*)(const std::u16string& input, const MxcalcOptions& options);

// "error <code>: <message>", not ok.
LineResult errorLine(const MXError& error);
// The mode's line for the input; an input that needs more memory than there is gets the
// error line "error 1: not enough memory for this input", and the program goes on.
LineResult answerLine(MxcalcLineProcessor process, const std::u16string& input, const MxcalcOptions& options);

// --tokens: the token list, one blank between tokens.
LineResult tokensLine(const std::u16string& input, const MxcalcOptions& options);
// --tree: the parsed expression's description.
LineResult treeLine(const std::u16string& input, const MxcalcOptions& options);
// No mode option: the value of the expression.
LineResult evaluateLine(const std::u16string& input, const MxcalcOptions& options);

// --simplify: the simplified tree's description.
LineResult simplifyLine(const std::u16string& input, const MxcalcOptions& options);
// --rewrite: the description of the tree after the rewrite rules.
LineResult rewriteLine(const std::u16string& input, const MxcalcOptions& options);
// --keyboard: the space key's title after the keyboard evaluated the input.
LineResult keyboardLine(const std::u16string& input, const MxcalcOptions& options);
// --keyboard --keys: the input's key titles tapped on a keyboard loaded afresh; the host
// document (line feeds, tabs and backslashes escaped), a tab, and the space key's title.
LineResult keyboardKeysLine(const std::u16string& input, const MxcalcOptions& options);
