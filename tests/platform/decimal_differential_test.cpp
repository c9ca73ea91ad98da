// The decimal record against Python's decimal module: decimal_vectors.py writes reference
// vectors (100,000 per operation) into a pipe and every one is checked here.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/decimal/MXDecimalRecord.h"
#include "tests/support/decimal_reference.h"

using decimal_test::fields;
using decimal_test::sameRecord;

namespace {

constexpr int kVectorsPerOperation = 100000;

using Fields = std::vector<std::string>;
// A check returns an empty text when the vector holds, otherwise what was computed instead.
using Check = std::function<std::string(const Fields&)>;

// The generator's seed is MX_DECIMAL_SEED when set, so that other samples can be drawn.
void checkVectors(const char* operation, size_t fieldCount, const Check& check) {
    if (std::system("python3 -c 'import decimal' >/dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not available";
    const char* seed = std::getenv("MX_DECIMAL_SEED");
    const std::string command = std::string("python3 '") + MX_SOURCE_DIR + "/tests/platform/decimal_vectors.py' " +
                                operation + " " + std::to_string(kVectorsPerOperation) + " " +
                                (seed && *seed ? seed : "20240611");
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[1024];
    int count = 0, failures = 0;
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        std::istringstream line(buffer);
        Fields f;
        for (std::string word; line >> word;) f.push_back(word);
        ++count;
        const std::string problem = f.size() == fieldCount ? check(f) : "malformed vector";
        if (!problem.empty() && ++failures <= 10) ADD_FAILURE() << operation << " " << buffer << "  ->  " << problem;
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
    EXPECT_EQ(count, kVectorsPerOperation);
    EXPECT_EQ(failures, 0);
}

MXRoundingMode mode(const std::string& text) { return MXRoundingMode(std::stoi(text)); }

std::string differs(const MXDecimalRecord& got, int status, const std::string& expected,
                    const std::string& expectedStatus) {
    const auto want = decimal_test::reference(expected);
    if (want && sameRecord(got, *want) && status == std::stoi(expectedStatus)) return {};
    return fields(got) + " status " + std::to_string(status);
}

using Operation = MXCalculationError (*)(MXDecimalRecord*, const MXDecimalRecord*, const MXDecimalRecord*,
                                         MXRoundingMode);

Check arithmetic(Operation op) {
    return [op](const Fields& f) {
        const MXDecimalRecord a = decimal_test::ref(f[0]), b = decimal_test::ref(f[1]);
        MXDecimalRecord r;
        const int status = op(&r, &a, &b, mode(f[2]));
        return differs(r, status, f[3], f[4]);
    };
}

TEST(DecimalDifferential, Add) { checkVectors("add", 5, arithmetic(MXDecimalRecordAdd)); }
TEST(DecimalDifferential, Subtract) { checkVectors("subtract", 5, arithmetic(MXDecimalRecordSubtract)); }
TEST(DecimalDifferential, Multiply) { checkVectors("multiply", 5, arithmetic(MXDecimalRecordMultiply)); }
TEST(DecimalDifferential, Divide) { checkVectors("divide", 5, arithmetic(MXDecimalRecordDivide)); }

TEST(DecimalDifferential, Power) {
    checkVectors("power", 5, [](const Fields& f) {
        const MXDecimalRecord a = decimal_test::ref(f[0]);
        MXDecimalRecord r;
        const int status = MXDecimalRecordPower(&r, &a, std::stoull(f[1]), mode(f[2]));
        return differs(r, status, f[3], f[4]);
    });
}

TEST(DecimalDifferential, Round) {
    checkVectors("round", 4, [](const Fields& f) {
        const MXDecimalRecord a = decimal_test::ref(f[0]);
        MXDecimalRecord r;
        MXDecimalRecordRound(&r, &a, std::stoi(f[1]), mode(f[2]));
        return differs(r, 0, f[3], "0");
    });
}

TEST(DecimalDifferential, Compare) {
    checkVectors("compare", 3, [](const Fields& f) {
        const MXDecimalRecord a = decimal_test::ref(f[0]), b = decimal_test::ref(f[1]);
        const int order = MXDecimalRecordCompare(&a, &b);
        return order == std::stoi(f[2]) ? std::string() : std::to_string(order);
    });
}

TEST(DecimalDifferential, FromString) {
    checkVectors("fromstring", 2,
                 [](const Fields& f) { return differs(MXDecimalRecordFromString(f[0]), 0, f[1], "0"); });
}

TEST(DecimalDifferential, ToDouble) {
    checkVectors("todouble", 2, [](const Fields& f) {
        const double d = MXDecimalRecordToDouble(decimal_test::ref(f[0]));
        const bool holds = f[1] == "nan" ? std::isnan(d) : std::bit_cast<uint64_t>(d) == std::stoull(f[1], nullptr, 16);
        return holds ? std::string() : std::to_string(d);
    });
}

TEST(DecimalDifferential, FromDouble) {
    checkVectors("fromdouble", 2, [](const Fields& f) {
        const double d = std::bit_cast<double>(uint64_t(std::stoull(f[0], nullptr, 16)));
        return differs(MXDecimalRecordFromDouble(d), 0, f[1], "0");
    });
}

}  // namespace
