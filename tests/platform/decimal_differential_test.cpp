// The decimal record against Python's decimal module: decimal_vectors.py writes reference
// vectors (100,000 per operation) into a pipe and every one is checked here.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/decimal/MXDecimalRecord.h"
#include "tests/platform/decimal_Reference.h"

using decimal_test::fields;
using decimal_test::reference;
using decimal_test::sameRecord;

namespace {

constexpr int kVectorsPerOperation = 100000;

bool pythonAvailable() {
    static const bool available = std::system("python3 -c 'import decimal' >/dev/null 2>&1") == 0;
    return available;
}

// The generator's seed: MX_DECIMAL_SEED when set, so that other samples can be drawn.
std::string seed() {
    const char* value = std::getenv("MX_DECIMAL_SEED");
    return value && *value ? value : "20240611";
}

using Tokens = std::vector<std::string_view>;

Tokens split(std::string_view line) {
    Tokens tokens;
    size_t start = 0;
    while (start < line.size()) {
        size_t end = line.find(' ', start);
        if (end == std::string_view::npos) end = line.size();
        tokens.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return tokens;
}

// A check returns an empty text when the vector holds, otherwise what was computed instead.
using Check = std::function<std::string(const Tokens&)>;

void checkVectors(const char* operation, size_t fieldCount, const Check& check) {
    if (!pythonAvailable()) GTEST_SKIP() << "python3 is not available";
    const std::string command = std::string("python3 '") + MX_SOURCE_DIR + "/tests/platform/decimal_vectors.py' " +
                                operation + " " + std::to_string(kVectorsPerOperation) + " " + seed();
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[1024];
    int count = 0, failures = 0;
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        std::string_view line(buffer);
        if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
        const Tokens tokens = split(line);
        ++count;
        const std::string problem = tokens.size() == fieldCount ? check(tokens) : "malformed vector";
        if (!problem.empty() && ++failures <= 10) ADD_FAILURE() << operation << " " << line << "  ->  " << problem;
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
    EXPECT_EQ(count, kVectorsPerOperation);
    EXPECT_EQ(failures, 0);
}

MXDecimalRecord operand(std::string_view text) {
    const auto r = reference(text);
    if (!r) throw std::invalid_argument("unreadable operand " + std::string(text));
    return *r;
}

int integer(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

uint64_t hexBits(std::string_view text) {
    uint64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

std::string differs(const MXDecimalRecord& got, int status, std::string_view expected, int expectedStatus) {
    const auto want = reference(expected);
    if (want && sameRecord(got, *want) && status == expectedStatus) return {};
    return fields(got) + " status " + std::to_string(status);
}

using Operation = MXCalculationError (*)(MXDecimalRecord*, const MXDecimalRecord*, const MXDecimalRecord*,
                                         MXRoundingMode);

Check arithmetic(Operation op) {
    return [op](const Tokens& t) {
        const MXDecimalRecord a = operand(t[0]), b = operand(t[1]);
        MXDecimalRecord r;
        const int status = op(&r, &a, &b, MXRoundingMode(integer(t[2])));
        return differs(r, status, t[3], integer(t[4]));
    };
}

TEST(DecimalDifferential, Add) { checkVectors("add", 5, arithmetic(MXDecimalRecordAdd)); }
TEST(DecimalDifferential, Subtract) { checkVectors("subtract", 5, arithmetic(MXDecimalRecordSubtract)); }
TEST(DecimalDifferential, Multiply) { checkVectors("multiply", 5, arithmetic(MXDecimalRecordMultiply)); }
TEST(DecimalDifferential, Divide) { checkVectors("divide", 5, arithmetic(MXDecimalRecordDivide)); }

TEST(DecimalDifferential, Power) {
    checkVectors("power", 5, [](const Tokens& t) {
        const MXDecimalRecord a = operand(t[0]);
        uint64_t n = 0;
        std::from_chars(t[1].data(), t[1].data() + t[1].size(), n);
        MXDecimalRecord r;
        const int status = MXDecimalRecordPower(&r, &a, n, MXRoundingMode(integer(t[2])));
        return differs(r, status, t[3], integer(t[4]));
    });
}

TEST(DecimalDifferential, Round) {
    checkVectors("round", 4, [](const Tokens& t) {
        const MXDecimalRecord a = operand(t[0]);
        MXDecimalRecord r;
        MXDecimalRecordRound(&r, &a, integer(t[1]), MXRoundingMode(integer(t[2])));
        return differs(r, 0, t[3], 0);
    });
}

TEST(DecimalDifferential, Compare) {
    checkVectors("compare", 3, [](const Tokens& t) {
        const MXDecimalRecord a = operand(t[0]), b = operand(t[1]);
        const int order = MXDecimalRecordCompare(&a, &b);
        return order == integer(t[2]) ? std::string() : std::to_string(order);
    });
}

TEST(DecimalDifferential, FromString) {
    checkVectors("fromstring", 2, [](const Tokens& t) {
        return differs(MXDecimalRecordFromString(t[0]), 0, t[1], 0);
    });
}

TEST(DecimalDifferential, ToDouble) {
    checkVectors("todouble", 2, [](const Tokens& t) {
        const double d = MXDecimalRecordToDouble(operand(t[0]));
        uint64_t bits;
        std::memcpy(&bits, &d, sizeof bits);
        const bool holds = t[1] == "nan" ? std::isnan(d) : bits == hexBits(t[1]);
        char text[32];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bits));
        return holds ? std::string() : std::string(text);
    });
}

TEST(DecimalDifferential, FromDouble) {
    checkVectors("fromdouble", 2, [](const Tokens& t) {
        const uint64_t bits = hexBits(t[0]);
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return differs(MXDecimalRecordFromDouble(d), 0, t[1], 0);
    });
}

}  // namespace
