// Cases of the decimal record that the differential test against Python's decimal module does
// not draw: one row per status, the range edges, extreme powers and scales, aliasing, damaged
// records, and the conversions to text and integers.
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
    {"cancellationIsPositiveZero", Sub, "-5", "-5", Down, "0", None},
    // Range edges and rounding far below the last digit.
    {"tieOddBankers", Add, "12345678901234567890123456789012345677", "0.5", Bankers,
     "12345678901234567890123456789012345678", Loss},
    {"farTermUp", Add, "1", "1E-100", Up, "1.0000000000000000000000000000000000001", Loss},
    {"carryTo39Digits", Add, Nines38, "1", Bankers, "1E38", None},
    {"largestValue", Mul, "9999999999999999999999999999999999999.9", "1E128", Bankers, Max, None},
    {"roundsToOverflowUp", Add, Max, "0.5E127", Up, "NaN", Over},
    {"tinyNegativeDown", Div, "-1E-128", "3", Down, "-1E-128", Loss},
    {"halfQuantumBankers", Div, "1E-128", "2", Bankers, "0", Under},
    // Powers.
    {"zeroToZero", Pow, "0", "0", Bankers, "1", None}, {"nanToZero", Pow, "NaN", "0", Bankers, "NaN", None},
    {"zeroToAny", Pow, "0", kAll, Bankers, "0", None}, {"minusOneToAll", Pow, "-1", kAll, Bankers, "-1", None},
    {"powerOfTenUnderflowUp", Pow, "1E-2", kAll, Up, "1E-128", Loss},
    {"hugeOverflow", Pow, "1.5", kAll, Down, "NaN", Over},
    {"hugeUnderflowNegativeDown", Pow, "-0.5", kAll, Down, "-1E-128", Loss},
    {"nearOneHugePower", Pow, "1.0000000000000000000000000000000000001", "9223372036854775808", Bankers,
     "1.0000000000000000009223372036854775812", Loss},
    {"belowOneAllBits", Pow, "0.99999999999999999999999999999999999999", kAll, Bankers,
     "0.99999999999999999981553255926290448387", Loss},
    {"tieDown", Pow, "15", "33", Down, "6.4715982491098379250615835189819335937E38", Loss},
};
INSTANTIATE_TEST_SUITE_P(Cases, DecimalArithmetic, testing::ValuesIn(kArithmetic),
                         [](const auto& info) { return std::string(info.param.name); });

// Scales at the ends of int and beyond the range; negative zero equals zero.
TEST(DecimalRound, ExtremeScalesAndNegativeZero) {
    const std::tuple<const char*, int, MXRoundingMode, const char*> cases[] = {
        {"5", std::numeric_limits<int>::max(), Plain, "5"}, {"5", std::numeric_limits<int>::min(), Up, "NaN"},
        {Max, -165, Up, "NaN"}, {Max, -165, Down, "0"}, {"1234", -10, Up, "1E10"},
    };
    for (const auto& [value, scale, mode, expected] : cases) {
        const MXDecimalRecord v = ref(value);
        MXDecimalRecord r;
        MXDecimalRecordRound(&r, &v, scale, mode);
        EXPECT_TRUE(sameRecord(r, ref(expected))) << value << " scale " << scale << ": " << fields(r);
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
        {"-0", "0"}, {"1e00000000000000000000000000007", "1E7"}, {"1e99999999999999999999", "NaN"},
        {"1e-99999999999999999999", "0"}, {"0e99999999999999999999", "0"}, {"5E-129", "0"}, {"6E-129", "1E-128"},
        {"", "NaN"}, {" 1", "NaN"}, {"1,5", "NaN"}, {"inf", "NaN"}, {"NaN", "NaN"},
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

TEST(DecimalDouble, ShortestDigitsAndTiesToEven) {
    const std::pair<double, const char*> cases[] = {
        {0.1, "0.1"}, {-0.0, "0"}, {123456789012345678.0, "123456789012345680"}, {1.5e-128, "2E-128"},
        {std::numeric_limits<double>::infinity(), "NaN"},
    };
    for (const auto& [value, expected] : cases) {
        const MXDecimalRecord r = MXDecimalRecordFromDouble(value);
        EXPECT_TRUE(sameRecord(r, ref(expected))) << value << " gave " << fields(r);
    }
    // Ties between doubles round to even.
    EXPECT_EQ(MXDecimalRecordToDouble(ref("9007199254740993")), 9007199254740992.0);
    EXPECT_EQ(MXDecimalRecordToDouble(ref("9007199254740995")), 9007199254740996.0);
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
