// The 38-digit decimal record against other decimal arithmetic: g++'s std::decimal::decimal128
// (34 digits) and, when its header is installed, boost's cpp_dec_float<38>.
// Operands have all their digits in use: 1.2345678901234567890123456789012345678 and
// 9.8765432109876543210987654321098765432 (cut to 34 digits for decimal128).
#include <benchmark/benchmark.h>
#include <decimal/decimal>

#include "platform/decimal/MXDecimalRecord.h"

#if __has_include(<boost/multiprecision/cpp_dec_float.hpp>)
#include <boost/multiprecision/cpp_dec_float.hpp>
#define MX_BENCH_BOOST 1
#endif

namespace {

constexpr const char* kLeft = "1.2345678901234567890123456789012345678";
constexpr const char* kRight = "9.8765432109876543210987654321098765432";
constexpr uint64_t kPower = 10;

using Operation = MXCalculationError (*)(MXDecimalRecord*, const MXDecimalRecord*, const MXDecimalRecord*,
                                         MXRoundingMode);

void recordOperation(benchmark::State& state, Operation op) {
    MXDecimalRecord a = MXDecimalRecordFromString(std::string_view(kLeft));
    MXDecimalRecord b = MXDecimalRecordFromString(std::string_view(kRight));
    MXDecimalRecord r;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(op(&r, &a, &b, MXRoundBankers));
        benchmark::DoNotOptimize(r);
    }
}

void RecordAdd(benchmark::State& state) { recordOperation(state, MXDecimalRecordAdd); }
void RecordMultiply(benchmark::State& state) { recordOperation(state, MXDecimalRecordMultiply); }
void RecordDivide(benchmark::State& state) { recordOperation(state, MXDecimalRecordDivide); }

void RecordCompare(benchmark::State& state) {
    MXDecimalRecord a = MXDecimalRecordFromString(std::string_view(kLeft));
    MXDecimalRecord b = MXDecimalRecordFromString(std::string_view(kRight));
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(MXDecimalRecordCompare(&a, &b));
    }
}

void RecordPower(benchmark::State& state) {
    MXDecimalRecord a = MXDecimalRecordFromString(std::string_view(kLeft));
    MXDecimalRecord r;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(MXDecimalRecordPower(&r, &a, kPower, MXRoundBankers));
        benchmark::DoNotOptimize(r);
    }
}

void RecordFromString(benchmark::State& state) {
    std::string_view text(kLeft);
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(MXDecimalRecordFromString(text));
    }
}

BENCHMARK(RecordAdd);
BENCHMARK(RecordMultiply);
BENCHMARK(RecordDivide);
BENCHMARK(RecordCompare);
BENCHMARK(RecordPower);
BENCHMARK(RecordFromString);

// decimal128 has no text conversion in libstdc++: operands are built from integers.
using std::decimal::decimal128;

decimal128 decimal128Operand(long long high, long long low) {
    // high has 17 digits, low 17: high.low x 10^-16 -> 34 significant digits.
    return (decimal128(high) * decimal128(100000000000000000LL) + decimal128(low)) /
           decimal128(10000000000000000LL) / decimal128(100000000000000000LL);
}

template <class Op>
void decimal128Operation(benchmark::State& state, Op op) {
    decimal128 a = decimal128Operand(12345678901234567LL, 89012345678901234LL);
    decimal128 b = decimal128Operand(98765432109876543LL, 21098765432109876LL);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        decimal128 r = op(a, b);
        benchmark::DoNotOptimize(r);
    }
}

// decimal128 has no power function: binary powering, as a caller would write it.
decimal128 decimal128Power(decimal128 base, uint64_t n) {
    decimal128 result(1);
    for (; n != 0; n >>= 1) {
        if (n & 1) result *= base;
        if (n > 1) base *= base;
    }
    return result;
}

void Decimal128Add(benchmark::State& state) {
    decimal128Operation(state, [](decimal128 a, decimal128 b) { return a + b; });
}
void Decimal128Multiply(benchmark::State& state) {
    decimal128Operation(state, [](decimal128 a, decimal128 b) { return a * b; });
}
void Decimal128Divide(benchmark::State& state) {
    decimal128Operation(state, [](decimal128 a, decimal128 b) { return a / b; });
}
void Decimal128Compare(benchmark::State& state) {
    decimal128Operation(state, [](decimal128 a, decimal128 b) { return decimal128(a < b ? 1 : 0); });
}
void Decimal128Power(benchmark::State& state) {
    decimal128Operation(state, [](decimal128 a, decimal128) { return decimal128Power(a, kPower); });
}

BENCHMARK(Decimal128Add);
BENCHMARK(Decimal128Multiply);
BENCHMARK(Decimal128Divide);
BENCHMARK(Decimal128Compare);
BENCHMARK(Decimal128Power);

#ifdef MX_BENCH_BOOST
using BoostDecimal = boost::multiprecision::number<boost::multiprecision::cpp_dec_float<38>>;

template <class Op>
void boostOperation(benchmark::State& state, Op op) {
    BoostDecimal a(kLeft), b(kRight);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        BoostDecimal r = op(a, b);
        benchmark::DoNotOptimize(r);
    }
}

void BoostAdd(benchmark::State& state) {
    boostOperation(state, [](const BoostDecimal& a, const BoostDecimal& b) { return BoostDecimal(a + b); });
}
void BoostMultiply(benchmark::State& state) {
    boostOperation(state, [](const BoostDecimal& a, const BoostDecimal& b) { return BoostDecimal(a * b); });
}
void BoostDivide(benchmark::State& state) {
    boostOperation(state, [](const BoostDecimal& a, const BoostDecimal& b) { return BoostDecimal(a / b); });
}
void BoostCompare(benchmark::State& state) {
    boostOperation(state, [](const BoostDecimal& a, const BoostDecimal& b) { return BoostDecimal(a < b ? 1 : 0); });
}
void BoostPower(benchmark::State& state) {
    boostOperation(state, [](const BoostDecimal& a, const BoostDecimal&) { return BoostDecimal(pow(a, kPower)); });
}
void BoostFromString(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(BoostDecimal(kLeft));
}

BENCHMARK(BoostAdd);
BENCHMARK(BoostMultiply);
BENCHMARK(BoostDivide);
BENCHMARK(BoostCompare);
BENCHMARK(BoostPower);
BENCHMARK(BoostFromString);
#endif

}  // namespace

BENCHMARK_MAIN();
