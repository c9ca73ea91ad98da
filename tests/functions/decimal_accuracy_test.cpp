// Accuracy of the decimal functions against mpmath values at 60 digits, printed by
// tests/functions/decimal_reference.py.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <variant>

#include "tests/support/decimal_agreement.h"

namespace {

using namespace decimal_test;

using Unary = MXDecimalRecord (*)(MXDecimalRecord);
using Binary = MXDecimalRecord (*)(MXDecimalRecord, MXDecimalRecord);

// A result passes with at least `digits` significant digits. Binary functions take the
// argument "x;y".
struct Requirement {
    std::variant<Unary, Binary> function;
    double digits;
};

MXDecimalRecord evaluated(const Requirement& requirement, const std::string& argument) {
    if (const Unary* unary = std::get_if<Unary>(&requirement.function)) return (*unary)(D(argument));
    const size_t split = argument.find(';');
    return std::get<Binary>(requirement.function)(D(argument.substr(0, split)), D(argument.substr(split + 1)));
}

template <MXDecimalRecord (*constant)()>
MXDecimalRecord ignoring(MXDecimalRecord) { return constant(); }

// Constants (argument "-") are correctly rounded; sin, cos and tan keep their relative
// accuracy also for tiny arguments and next to the multiples of pi/2; pow and root keep
// theirs next to the ends of the range and for exponents beyond 10^18.
const std::map<std::string, Requirement> kRequirements = {
    {"phi", {ignoring<MXDecimalPhi>, 37}},     {"pi", {ignoring<MXDecimalPi>, 37}},
    {"2pi", {ignoring<MXDecimal2Pi>, 37}},     {"pi_2", {ignoring<MXDecimalPi_2>, 37}},
    {"pi_4", {ignoring<MXDecimalPi_4>, 37}},   {"sqrt2", {ignoring<MXDecimalSqrt2>, 37}},
    {"e", {ignoring<MXDecimalE>, 37}},         {"log2e", {ignoring<MXDecimalLog2e>, 37}},
    {"log10e", {ignoring<MXDecimalLog10e>, 37}}, {"ln2", {ignoring<MXDecimalLn2>, 37}},
    {"ln10", {ignoring<MXDecimalLn10>, 37}},   {"sin", {MXDecimalSin, 35}},
    {"cos", {MXDecimalCos, 35}},   {"tan", {MXDecimalTan, 35}},     {"atan", {MXDecimalAtan, 34}},
    {"asin", {MXDecimalAsin, 34}}, {"acos", {MXDecimalAcos, 34}},   {"acsc", {MXDecimalAcsc, 34}},
    {"asec", {MXDecimalAsec, 34}}, {"acot", {MXDecimalAcot, 34}},   {"sinh", {MXDecimalSinh, 34}},
    {"cosh", {MXDecimalCosh, 34}}, {"tanh", {MXDecimalTanh, 34}},   {"csch", {MXDecimalCsch, 34}},
    {"sech", {MXDecimalSech, 34}}, {"coth", {MXDecimalCoth, 34}},   {"asinh", {MXDecimalAsinh, 34}},
    {"atanh", {MXDecimalAtanh, 34}}, {"acsch", {MXDecimalAcsch, 34}}, {"acoth", {MXDecimalAcoth, 34}},
    {"exp", {MXDecimalExp, 36}},   {"ln", {MXDecimalLn, 36}},       {"log10", {MXDecimalLog10, 36}},
    {"log2", {MXDecimalLog2, 36}}, {"acosh", {MXDecimalAcosh, 36}}, {"asech", {MXDecimalAsech, 36}},
    {"gamma", {MXDecimalGamma, 36}}, {"pow", {MXDecimalPower, 36}},
    // A fractional index becomes the exponent 1/index, rounded to 38 digits.
    {"root", {MXDecimalRoot, 35}},
};

TEST(DecimalAccuracy, AgreesWithReferenceValues) {
    if (std::system("python3 -c 'import mpmath' >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "python3 with mpmath is not available";
    }
    const std::string script = std::string(MX_SOURCE_DIR) + "/tests/functions/decimal_reference.py";
    FILE* pipe = popen(("python3 '" + script + "'").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::map<std::string, int> counts;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        if (line[0] == '#') continue;
        std::istringstream fields(line);
        std::string name, argument, leading, remainder;
        ASSERT_TRUE(fields >> name >> argument >> leading >> remainder) << line;
        const auto found = kRequirements.find(name);
        ASSERT_NE(found, kRequirements.end()) << "unknown function in: " << line;
        const MXDecimalRecord result = evaluated(found->second, argument);
        EXPECT_GE(agreedDigits(result, D(leading), D(remainder)), found->second.digits)
            << name << "(" << argument << ") = " << text(result) << ", reference " << leading;
        ++counts[name];
    }
    EXPECT_EQ(pclose(pipe), 0) << "the reference generator failed";
    for (const auto& [name, requirement] : kRequirements) EXPECT_GT(counts[name], 0) << "no values for " << name;
}

}  // namespace
