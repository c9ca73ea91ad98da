// The named constants: exact small values, relations between the constants, and one
// value however many threads ask for it first.
#include <thread>
#include <vector>

#include "tests/functions/decimal_support.h"

namespace {

using namespace decimal_test;

TEST(DecimalConstants, SmallValuesAreExact) {
    EXPECT_TRUE(MXDecimalNAN().isNaN);
    EXPECT_TRUE(decimal_test::same(MXDecimalEpsilon(), D("1e-64")));
    EXPECT_EQ(text(MXDecimalNegativeOne()), "-1");
    EXPECT_TRUE(MXDecimalZero().isZero());
    EXPECT_EQ(text(MXDecimalOne()), "1");
    EXPECT_EQ(text(MXDecimalTwo()), "2");
}

struct RelationCase {
    const char* relation;
    MXDecimalRecord (*left)();
    MXDecimalRecord (*right)();
};

std::ostream& operator<<(std::ostream& out, const RelationCase& c) { return out << c.relation; }

class DecimalConstantRelation : public testing::TestWithParam<RelationCase> {};

// Each relation holds to within the few roundings of its two sides.
TEST_P(DecimalConstantRelation, Holds) {
    const RelationCase& c = GetParam();
    EXPECT_GE(agreedDigits(c.left(), c.right()), 36) << text(c.left()) << " vs " << text(c.right());
}

INSTANTIATE_TEST_SUITE_P(Relations, DecimalConstantRelation, testing::Values(
    RelationCase{"2pi = 2 x pi", MXDecimal2Pi, [] { return MXDecimalMultiply(MXDecimalPi(), MXDecimalTwo()); }},
    RelationCase{"pi/2 x 2 = pi", [] { return MXDecimalMultiply(MXDecimalPi_2(), MXDecimalTwo()); }, MXDecimalPi},
    RelationCase{"pi/4 x 4 = pi", [] { return MXDecimalMultiply(MXDecimalPi_4(), D("4")); }, MXDecimalPi},
    RelationCase{"phi^2 = phi + 1", [] { return MXDecimalMultiply(MXDecimalPhi(), MXDecimalPhi()); },
                 [] { return MXDecimalAdd(MXDecimalPhi(), MXDecimalOne()); }},
    RelationCase{"sqrt2^2 = 2", [] { return MXDecimalMultiply(MXDecimalSqrt2(), MXDecimalSqrt2()); }, MXDecimalTwo},
    RelationCase{"ln2 x log2e = 1", [] { return MXDecimalMultiply(MXDecimalLn2(), MXDecimalLog2e()); }, MXDecimalOne},
    RelationCase{"ln10 x log10e = 1", [] { return MXDecimalMultiply(MXDecimalLn10(), MXDecimalLog10e()); }, MXDecimalOne},
    RelationCase{"log10e / log2e = ln2 / ln10",
                 [] { return MXDecimalDivide(MXDecimalLog10e(), MXDecimalLog2e()); },
                 [] { return MXDecimalDivide(MXDecimalLn2(), MXDecimalLn10()); }},
    RelationCase{"e = cosh 1 + sinh 1", MXDecimalE,
                 [] { return MXDecimalAdd(MXDecimalCosh(MXDecimalOne()), MXDecimalSinh(MXDecimalOne())); }}));

TEST(DecimalConstants, FirstUseFromManyThreadsGivesOneValue) {
    std::vector<std::string> seen(8);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&seen, i] { seen[i] = text(MXDecimalLog10e()) + text(MXDecimal2Pi()); });
    }
    for (auto& thread : threads) thread.join();
    for (const std::string& value : seen) EXPECT_EQ(value, seen.front());
    EXPECT_EQ(seen.front().substr(0, 6), "0.4342");
}

}  // namespace
