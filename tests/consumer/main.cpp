// A program that uses the installed engine: evaluates an expression in double and in
// 38-digit decimal precision, and prints the error code of a bad input.
#include <iostream>
#include <string>

#include "engine/evaluator/MXMathEvaluator.h"
#include "platform/text/MXText.h"

int main() {
    MXMathEvaluator evaluator;
    MXError error;
    for (const bool precise : {false, true}) {
        evaluator.setUsesHighPrecisionEvaluation(precise);
        const auto value = evaluator.evaluateString(u"2+3*sin(pi/6)", nullptr, &error);
        std::cout << (value ? MXToUtf8(value->description()) : "none") << "\n";
    }
    if (!evaluator.evaluateString(u"2+*3", nullptr, &error)) std::cout << "error " << error.code() << "\n";
    return 0;
}
