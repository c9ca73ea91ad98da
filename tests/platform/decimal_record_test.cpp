// Table-driven cases of the decimal record: statuses, rounding modes, range edges, power,
// round, compare and the conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "platform/decimal/MXDecimalRecord.h"
#include "tests/support/decimal_reference.h"

using decimal_test::fields;
using decimal_test::ref;
using decimal_test::sameRecord;

namespace {

using Operation = MXCalculationError (*)(MXDecimalRecord*, const MXDecimalRecord*, const MXDecimalRecord*,
                                         MXRoundingMode);

struct ArithmeticCase {
    const char* name;
    Operation op;
    const char* left;
    const char* right;
    MXRoundingMode mode;
    const char* expected;
    MXCalculationError status;
};

class DecimalArithmetic : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(DecimalArithmetic, GivesValueAndStatus) {
    const ArithmeticCase& c = GetParam();
    const MXDecimalRecord a = ref(c.left), b = ref(c.right);
    MXDecimalRecord r;
    const MXCalculationError status = c.op(&r, &a, &b, c.mode);
    EXPECT_TRUE(sameRecord(r, ref(c.expected))) << fields(r);
    EXPECT_EQ(status, c.status);
}

constexpr Operation Add = MXDecimalRecordAdd, Sub = MXDecimalRecordSubtract, Mul = MXDecimalRecordMultiply,
                    Div = MXDecimalRecordDivide;
constexpr MXRoundingMode Plain = MXRoundPlain, Down = MXRoundDown, Up = MXRoundUp, Bankers = MXRoundBankers;
constexpr MXCalculationError None = MXCalculationNoError, Loss = MXCalculationLossOfPrecision,
                             Under = MXCalculationUnderflow, Over = MXCalculationOverflow,
                             ByZero = MXCalculationDivideByZero;
constexpr const char *Nines38 = "99999999999999999999999999999999999999",
                     *Max = "99999999999999999999999999999999999999E127";

// Powers through the same table: the right operand is the (integer) exponent.
MXCalculationError power(MXDecimalRecord* result, const MXDecimalRecord* base, const MXDecimalRecord* n,
                         MXRoundingMode mode) {
    return MXDecimalRecordPower(result, base, MXDecimalRecordToUInt64(*n), mode);
}
constexpr Operation Pow = power;
constexpr const char* kAll = "18446744073709551615";

const ArithmeticCase kArithmetic[] = {
    // Statuses.
    {"exact", Add, "1.25", "2.5", Bankers, "3.75", None},
    {"rounded", Div, "1", "3", Bankers, "0.33333333333333333333333333333333333333", Loss},
    {"tinyProductUnderflows", Mul, "1E-100", "1E-100", Bankers, "0", Under},
    {"hugeProductOverflows", Mul, "1E100", "1E100", Bankers, "NaN", Over},
    {"divisionByZero", Div, "1", "0", Bankers, "NaN", ByZero}, {"zeroByZero", Div, "0", "0", Bankers, "NaN", ByZero},
    {"nanOperand", Add, "NaN", "1", Bankers, "NaN", None}, {"nanByZero", Div, "NaN", "0", Bankers, "NaN", None},
    {"zeroDividend", Div, "0", "7", Bankers, "0", None},
    {"cancellationIsPositiveZero", Sub, "-5", "-5", Down, "0", None},
    // Rounding modes.
    {"twoThirdsPlain", Div, "2", "3", Plain, "0.66666666666666666666666666666666666667", Loss},
    {"twoThirdsDown", Div, "2", "3", Down, "0.66666666666666666666666666666666666666", Loss},
    {"twoThirdsUp", Div, "2", "3", Up, "0.66666666666666666666666666666666666667", Loss},
    {"minusTwoThirdsDown", Div, "-2", "3", Down, "-0.66666666666666666666666666666666666667", Loss},
    {"minusTwoThirdsUp", Div, "-2", "3", Up, "-0.66666666666666666666666666666666666666", Loss},
    // 38 digits plus half a unit: the tie cases.
    {"tieEvenPlain", Add, "12345678901234567890123456789012345678", "0.5", Plain,
     "12345678901234567890123456789012345679", Loss},
    {"tieEvenBankers", Add, "12345678901234567890123456789012345678", "0.5", Bankers,
     "12345678901234567890123456789012345678", Loss},
    {"tieOddBankers", Add, "12345678901234567890123456789012345677", "0.5", Bankers,
     "12345678901234567890123456789012345678", Loss},
    {"negativeTiePlain", Sub, "-12345678901234567890123456789012345678", "0.5", Plain,
     "-12345678901234567890123456789012345679", Loss},
    {"justAboveTieBankers", Add, "12345678901234567890123456789012345678", "0.50000000000000000000000001", Bankers,
     "12345678901234567890123456789012345679", Loss},
    {"tieQuotientBankers", Div, "24691357802469135780246913578024691357E1", "4", Bankers,
     "61728394506172839450617283945061728392", Loss},
    // A term far below the last digit still decides directed rounding.
    {"farTermUp", Add, "1", "1E-100", Up, "1.0000000000000000000000000000000000001", Loss},
    {"farTermDown", Add, "1", "1E-100", Down, "1", Loss},
    {"farNegativeTermDown", Sub, "1", "1E-100", Down, "0.99999999999999999999999999999999999999", Loss},
    // Range edges.
    {"carryTo39Digits", Add, Nines38, "1", Bankers, "1E38", None},
    {"carryByRounding", Add, Nines38, "0.5", Bankers, "1E38", Loss},
    {"mantissaKeepsZerosAtTop", Mul, "1E127", "1000", Bankers, "1E130", None},
    {"largestValue", Mul, "9999999999999999999999999999999999999.9", "1E128", Bankers, Max, None},
    {"roundsToOverflowUp", Add, Max, "0.5E127", Up, "NaN", Over},
    {"overflowEvenDown", Mul, Max, "10", Down, "NaN", Over},
    {"nearOverflowTruncates", Add, Max, "0.4E127", Bankers, Max, Loss},
    {"smallestValue", Div, "1E-100", "1E28", Bankers, "1E-128", None},
    {"tinyRoundsToQuantum", Div, "3E-128", "2", Bankers, "2E-128", Loss},
    {"tinyKeepsFewerDigits", Mul, "12345E-128", "0.1", Bankers, "1234E-128", Loss},
    {"belowHalfQuantumUnderflows", Div, "1E-128", "3", Bankers, "0", Under},
    {"tinyPositiveUp", Div, "1E-128", "3", Up, "1E-128", Loss},
    {"tinyNegativeDown", Div, "-1E-128", "3", Down, "-1E-128", Loss},
    {"tinyNegativeUp", Div, "-1E-128", "3", Up, "0", Under},
    {"halfQuantumPlain", Div, "1E-128", "2", Plain, "1E-128", Loss},
    {"halfQuantumBankers", Div, "1E-128", "2", Bankers, "0", Under},
    // Powers.
    {"zeroToZero", Pow, "0", "0", Bankers, "1", None}, {"nanToZero", Pow, "NaN", "0", Bankers, "NaN", None},
    {"zeroToAny", Pow, "0", kAll, Bankers, "0", None}, {"small", Pow, "2", "10", Bankers, "1024", None},
    {"negativeOdd", Pow, "-2", "3", Bankers, "-8", None}, {"oneToAll", Pow, "1", kAll, Bankers, "1", None},
    {"minusOneToAll", Pow, "-1", kAll, Bankers, "-1", None}, {"powerOfTen", Pow, "1E-2", "64", Bankers, "1E-128", None},
    {"powerOfTenUnderflow", Pow, "1E-2", "65", Bankers, "0", Under},
    {"powerOfTenUnderflowUp", Pow, "1E-2", kAll, Up, "1E-128", Loss},
    {"overflow", Pow, "10", "165", Bankers, "NaN", Over},
    {"largestPowerOfTen", Pow, "10", "164", Bankers, "1E164", None},
    {"hugeOverflow", Pow, "1.5", kAll, Down, "NaN", Over}, {"hugeUnderflow", Pow, "0.5", kAll, Bankers, "0", Under},
    {"hugeUnderflowNegativeDown", Pow, "-0.5", kAll, Down, "-1E-128", Loss},
    {"roundedOnce", Pow, "1.5", "97", Bankers, "120462571121545255.52511991335319753215", Loss},
    {"nearOneHugePower", Pow, "1.0000000000000000000000000000000000001", "9223372036854775808", Bankers,
     "1.0000000000000000009223372036854775812", Loss},
    {"belowOneAllBits", Pow, "0.99999999999999999999999999999999999999", kAll, Bankers,
     "0.99999999999999999981553255926290448387", Loss},
    {"tiePlain", Pow, "15", "33", Plain, "6.4715982491098379250615835189819335938E38", Loss},
    {"tieBankers", Pow, "15", "33", Bankers, "6.4715982491098379250615835189819335938E38", Loss},
    {"tieDown", Pow, "15", "33", Down, "6.4715982491098379250615835189819335937E38", Loss},
};
INSTANTIATE_TEST_SUITE_P(Cases, DecimalArithmetic, testing::ValuesIn(kArithmetic),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecimalRound, RoundsToScale) {
    const std::tuple<const char*, int, MXRoundingMode, const char*> cases[] = {
        {"2.5", 0, Plain, "3"}, {"2.5", 0, Down, "2"}, {"2.5", 0, Bankers, "2"}, {"3.5", 0, Bankers, "4"},
        {"-2.5", 0, Plain, "-3"}, {"-2.5", 0, Down, "-3"}, {"-2.5", 0, Up, "-2"}, {"-2.5", 0, Bankers, "-2"},
        {"-0.4", 0, Down, "-1"}, {"-0.4", 0, Up, "0"}, {"1234.5678", 2, Plain, "1234.57"},
        {"1234.5678", -2, Plain, "1200"}, {"1234.5678", 10, Plain, "1234.5678"}, {"1234", -10, Up, "1E10"},
        {"1234", -10, Down, "0"}, {"5", std::numeric_limits<int>::max(), Plain, "5"},
        {"5", std::numeric_limits<int>::min(), Up, "NaN"}, {Max, -165, Up, "NaN"}, {Max, -165, Down, "0"},
        {"NaN", 2, Plain, "NaN"},
    };
    for (const auto& [value, scale, mode, expected] : cases) {
        const MXDecimalRecord v = ref(value);
        MXDecimalRecord r;
        MXDecimalRecordRound(&r, &v, scale, mode);
        EXPECT_TRUE(sameRecord(r, ref(expected))) << value << " scale " << scale << " mode " << int(mode) << ": "
                                                  << fields(r);
    }
}

TEST(DecimalCompare, OrdersNumbersAndNaN) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"1", "2", -1},         {"-1", "-2", 1},     {"-1", "1", -1},      {"0", "-1", 1},       {"0", "0", 0},
        {"1E130", "1E129", 1},  {"12.5", "125E-1", 0}, {"1E-128", "0", 1}, {"NaN", "NaN", 0},   {"NaN", "-1E164", -1},
        {"NaN", "0", -1},       {"99E-2", "1", -1},  {Max, "1E164", 1},    {"-0.001", "-0.0011", 1},
    };
    for (const auto& [left, right, order] : cases) {
        const MXDecimalRecord a = ref(left), b = ref(right);
        EXPECT_EQ(MXDecimalRecordCompare(&a, &b), order) << left << " vs " << right;
        EXPECT_EQ(MXDecimalRecordCompare(&b, &a), -order) << right << " vs " << left;
    }
    MXDecimalRecord negativeZero;
    negativeZero.negative = true;
    negativeZero.exponent = 5;
    const MXDecimalRecord zero;
    EXPECT_EQ(MXDecimalRecordCompare(&negativeZero, &zero), 0);
}

TEST(DecimalRecord, ResultMayAliasAnOperand) {
    MXDecimalRecord a = ref("7"), b = ref("2");
    MXDecimalRecordDivide(&a, &a, &b, Bankers);
    EXPECT_TRUE(sameRecord(a, ref("3.5")));
    MXDecimalRecordMultiply(&b, &a, &b, Bankers);
    EXPECT_TRUE(sameRecord(b, ref("7")));
    MXDecimalRecordPower(&b, &b, 2, Bankers);
    EXPECT_TRUE(sameRecord(b, ref("49")));
}

TEST(DecimalRecord, OverlongMantissaIsNotANumber) {
    MXDecimalRecord bad;
    bad.mantissa = ref(Nines38).mantissa + 1;
    const MXDecimalRecord one = ref("1");
    MXDecimalRecord r;
    EXPECT_EQ(MXDecimalRecordAdd(&r, &bad, &one, Bankers), None);
    EXPECT_TRUE(r.isNaN);
    EXPECT_EQ(MXDecimalRecordToString(bad), "NaN");
    EXPECT_EQ(MXDecimalRecordCompare(&bad, &one), -1);
}

TEST(DecimalRecord, UnknownRoundingModeThrows) {
    const MXDecimalRecord one = ref("1");
    MXDecimalRecord r;
    EXPECT_THROW(MXDecimalRecordAdd(&r, &one, &one, MXRoundingMode(4)), std::invalid_argument);
    EXPECT_THROW(MXDecimalRecordRound(&r, &one, 0, MXRoundingMode(-1)), std::invalid_argument);
}

TEST(DecimalRecord, NotANumberAndZeroRecords) {
    EXPECT_FALSE(MXDecimalRecord::notANumber().isZero());
    EXPECT_TRUE(MXDecimalRecord::zero().isZero());
    EXPECT_TRUE(sameRecord(MXDecimalRecordFromString("0"), MXDecimalRecord{}));
}

TEST(DecimalFromString, ReadsNumberTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0"}, {"-0", "0"}, {"+1.5", "1.5"}, {".5", "0.5"}, {"5.", "5"}, {"1e5", "1E5"}, {"1E+5", "1E5"},
        {"-1e-5", "-1E-5"}, {"000120.0300", "120.03"}, {"1.e2", "100"},
        {"123456789012345678901234567890123456785", "12345678901234567890123456789012345678E1"},
        {"123456789012345678901234567890123456775", "12345678901234567890123456789012345678E1"},
        {"1234567890123456789012345678901234567850000000000001", "12345678901234567890123456789012345679E14"},
        {"0.000000000000000000000000000000000000000000000123", "1.23E-46"},
        {"1e00000000000000000000000000007", "1E7"}, {"1e99999999999999999999", "NaN"},
        {"1e-99999999999999999999", "0"}, {"0e99999999999999999999", "0"}, {"1E164", "1E164"}, {"1E165", "NaN"},
        {"1E-128", "1E-128"}, {"5E-129", "0"}, {"6E-129", "1E-128"}, {"", "NaN"}, {".", "NaN"}, {"-", "NaN"},
        {"+.", "NaN"}, {"e5", "NaN"}, {"1e", "NaN"}, {"1e+", "NaN"}, {"1.2.3", "NaN"}, {" 1", "NaN"}, {"1 ", "NaN"},
        {"1,5", "NaN"}, {"0x10", "NaN"}, {"--1", "NaN"}, {"inf", "NaN"}, {"NaN", "NaN"}, {"1e5.5", "NaN"},
    };
    for (const auto& [text, expected] : cases) {
        const MXDecimalRecord r = MXDecimalRecordFromString(std::string_view(text));
        EXPECT_TRUE(sameRecord(r, ref(expected))) << text << " gave " << fields(r);
    }
}

TEST(DecimalFromString, ReadsUtf16Text) {
    EXPECT_TRUE(sameRecord(MXDecimalRecordFromString(std::u16string_view(u"-12.5e1")), ref("-125")));
    EXPECT_TRUE(MXDecimalRecordFromString(std::u16string_view(u"\uFF11")).isNaN);  // fullwidth one
    EXPECT_TRUE(MXDecimalRecordFromString(std::u16string_view(u"1\u0665")).isNaN);
    EXPECT_TRUE(MXDecimalRecordFromString(std::u16string_view(u"\u0131")).isNaN);  // low byte '1'
}

TEST(DecimalToString, WritesPlainNumeralsThatReadBack) {
    const std::pair<const char*, std::string> cases[] = {
        {"0", "0"}, {"NaN", "NaN"}, {"1E-3", "0.001"}, {"-1234E-2", "-12.34"}, {"123E2", "12300"},
        {"12345678901234567890123456789012345678", "12345678901234567890123456789012345678"},
        {"1E130", "1" + std::string(130, '0')}, {"1E-128", "0." + std::string(127, '0') + "1"},
        {"-98765432109876543210987654321098765432E-37", "-9.8765432109876543210987654321098765432"},
        {Max, "99999999999999999999999999999999999999" + std::string(127, '0')},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(MXDecimalRecordToString(ref(value)), text) << value;
        EXPECT_TRUE(sameRecord(MXDecimalRecordFromString(text), ref(value))) << value;
    }
}

TEST(DecimalDouble, FromDoubleKeepsShortestDigits) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> cases[] = {
        {0.1, "0.1"},          {-0.0, "0"},    {1e-7, "1E-7"},        {123456789012345678.0, "123456789012345680"},
        {1e165, "NaN"},        {9.9e164, "9.9E164"}, {5e-324, "0"},   {1.5e-128, "2E-128"},
        {1.7976931348623157e308, "NaN"}, {inf, "NaN"}, {-inf, "NaN"}, {std::numeric_limits<double>::quiet_NaN(), "NaN"},
    };
    for (const auto& [value, expected] : cases) {
        const MXDecimalRecord r = MXDecimalRecordFromDouble(value);
        EXPECT_TRUE(sameRecord(r, ref(expected))) << value << " gave " << fields(r);
    }
}

TEST(DecimalDouble, ToDoubleRoundsCorrectly) {
    const std::pair<const char*, double> cases[] = {
        {"0.1", 0.1}, {"0", 0.0}, {"-2.5", -2.5}, {"1E-128", 1e-128}, {Max, 9.9999999999999999e164},
        {"9007199254740993", 9007199254740992.0},  // tie between doubles, to even
        {"9007199254740995", 9007199254740996.0},
        {"12345678901234567890123456789012345678E-40", 0.0012345678901234567890123456789012345678},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(MXDecimalRecordToDouble(ref(value)), expected) << value;
    EXPECT_TRUE(std::isnan(MXDecimalRecordToDouble(MXDecimalRecord::notANumber())));
    EXPECT_FALSE(std::signbit(MXDecimalRecordToDouble(MXDecimalRecord{})));
}

TEST(DecimalInteger, FromIntegersExactly) {
    EXPECT_TRUE(sameRecord(MXDecimalRecordFromInt64(std::numeric_limits<int64_t>::min()), ref("-9223372036854775808")));
    EXPECT_TRUE(sameRecord(MXDecimalRecordFromInt64(-1000), ref("-1E3")));
    EXPECT_EQ(MXDecimalRecordFromInt64(-1000).mantissa, 1u);
    EXPECT_TRUE(sameRecord(MXDecimalRecordFromInt64(0), MXDecimalRecord{}));
    EXPECT_TRUE(sameRecord(MXDecimalRecordFromUInt64(std::numeric_limits<uint64_t>::max()),
     ref("18446744073709551615")));
}

TEST(DecimalInteger, ToUInt64TruncatesAndWraps) {
    constexpr uint64_t kTop = std::numeric_limits<uint64_t>::max();
    const std::pair<const char*, uint64_t> cases[] = {
        {"12.9", 12}, {"0.999", 0}, {"1E-128", 0}, {"-1", kTop}, {"-12.9", uint64_t(0) - 12},
        {"18446744073709551615", kTop}, {"18446744073709551615.9", kTop}, {"18446744073709551616", 0},
        {"-18446744073709551616", 0}, {"1E19", 10000000000000000000u}, {"1E20", 0}, {Max, 0}, {"NaN", 0},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(MXDecimalRecordToUInt64(ref(value)), expected) << value;
}

}  // namespace
