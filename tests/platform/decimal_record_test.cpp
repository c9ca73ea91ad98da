// Cases of the decimal record that the differential test against Python's decimal module does
// not draw: extreme powers and scales, unknown rounding modes, and the conversion to integers.
#include <gtest/gtest.h>

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

constexpr MXRoundingMode Plain = MXRoundPlain, Down = MXRoundDown, Up = MXRoundUp, Bankers = MXRoundBankers;
constexpr MXCalculationError None = MXCalculationNoError, Loss = MXCalculationLossOfPrecision,
                             Over = MXCalculationOverflow;
constexpr const char* Max = "99999999999999999999999999999999999999E127";

// Exponents far beyond what the vectors draw, up to every bit set.
TEST(DecimalPower, ExtremeExponents) {
    constexpr uint64_t kAll = std::numeric_limits<uint64_t>::max();
    const std::tuple<const char*, uint64_t, MXRoundingMode, const char*, MXCalculationError> cases[] = {
        {"0", kAll, Bankers, "0", None}, {"-1", kAll, Bankers, "-1", None}, {"1E-2", kAll, Up, "1E-128", Loss},
        {"1.5", kAll, Down, "NaN", Over}, {"-0.5", kAll, Down, "-1E-128", Loss},
        {"1.0000000000000000000000000000000000001", uint64_t(1) << 63, Bankers,
         "1.0000000000000000009223372036854775812", Loss},
        {"0.99999999999999999999999999999999999999", kAll, Bankers, "0.99999999999999999981553255926290448387", Loss},
        {"15", 33, Down, "6.4715982491098379250615835189819335937E38", Loss},
    };
    for (const auto& [base, n, mode, expected, status] : cases) {
        const MXDecimalRecord a = ref(base);
        MXDecimalRecord r;
        EXPECT_EQ(MXDecimalRecordPower(&r, &a, n, mode), status) << base << "^" << n;
        EXPECT_TRUE(sameRecord(r, ref(expected))) << base << "^" << n << ": " << fields(r);
    }
}

// Scales at the ends of int and beyond the range.
TEST(DecimalRound, ExtremeScales) {
    const std::tuple<const char*, int, MXRoundingMode, const char*> cases[] = {
        {"5", std::numeric_limits<int>::max(), Plain, "5"}, {"5", std::numeric_limits<int>::min(), Up, "NaN"},
        {Max, -165, Up, "NaN"}, {Max, -165, Down, "0"},
    };
    for (const auto& [value, scale, mode, expected] : cases) {
        const MXDecimalRecord v = ref(value);
        MXDecimalRecord r;
        MXDecimalRecordRound(&r, &v, scale, mode);
        EXPECT_TRUE(sameRecord(r, ref(expected))) << value << " scale " << scale << ": " << fields(r);
    }
}

TEST(DecimalRecord, UnknownRoundingModeThrows) {
    const MXDecimalRecord one = ref("1");
    MXDecimalRecord r;
    EXPECT_THROW(MXDecimalRecordAdd(&r, &one, &one, MXRoundingMode(4)), std::invalid_argument);
    EXPECT_THROW(MXDecimalRecordRound(&r, &one, 0, MXRoundingMode(-1)), std::invalid_argument);
}

TEST(DecimalFromString, ReadsNumberTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"1e00000000000000000000000000007", "1E7"}, {"1e99999999999999999999", "NaN"},
        {"1e-99999999999999999999", "0"}, {"0e99999999999999999999", "0"}, {"", "NaN"}, {" 1", "NaN"}, {"inf", "NaN"},
    };
    for (const auto& [text, expected] : cases) {
        const MXDecimalRecord r = MXDecimalRecordFromString(std::string_view(text));
        EXPECT_TRUE(sameRecord(r, ref(expected))) << text << " gave " << fields(r);
    }
}

TEST(DecimalInteger, ToUInt64TruncatesAndWraps) {
    constexpr uint64_t kTop = std::numeric_limits<uint64_t>::max();
    const std::pair<const char*, uint64_t> cases[] = {
        {"-12.9", uint64_t(0) - 12}, {"1E-128", 0}, {"18446744073709551615.9", kTop}, {"18446744073709551616", 0},
        {"1E20", 0}, {"NaN", 0},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(MXDecimalRecordToUInt64(ref(value)), expected) << value;
}

}  // namespace
