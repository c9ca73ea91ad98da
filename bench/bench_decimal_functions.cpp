// Time per call of the decimal functions, each on a few arguments across its domain.
#include <benchmark/benchmark.h>

#include <array>

#include "functions/decimal/MXDecimalMath.h"

namespace {

std::array<MXDecimalRecord, 4> records(const std::array<const char*, 4>& texts) {
    std::array<MXDecimalRecord, 4> result;
    for (size_t i = 0; i < texts.size(); ++i) result[i] = MXDecimalRecordFromString(texts[i]);
    return result;
}

const std::array<const char*, 4> kAngles = {"0.5", "-2.7182818284590452353602874713526624977", "1e-8",
                                            "123.45678901234567890123456789012345678"};
const std::array<const char*, 4> kReals = {"0.5", "-2.7182818284590452353602874713526624977", "1e-8",
                                           "98765.432109876543210987654321098765432"};
const std::array<const char*, 4> kPositives = {"2", "0.31415926535897932384626433832795028841",
                                               "1e-30", "98765432109876543210.987654321098765432"};

void runUnary(benchmark::State& state, MXDecimalRecord (*function)(MXDecimalRecord),
              const std::array<const char*, 4>& texts) {
    const auto arguments = records(texts);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(function(arguments[i]));
        i = (i + 1) % arguments.size();
    }
}

void runPower(benchmark::State& state, const char* exponent) {
    const auto bases = records(kPositives);
    const MXDecimalRecord power = MXDecimalRecordFromString(exponent);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MXDecimalPower(bases[i], power));
        i = (i + 1) % bases.size();
    }
}

}  // namespace

BENCHMARK_CAPTURE(runUnary, sin, MXDecimalSin, kAngles);
BENCHMARK_CAPTURE(runUnary, cos, MXDecimalCos, kAngles);
BENCHMARK_CAPTURE(runUnary, tan, MXDecimalTan, kAngles);
BENCHMARK_CAPTURE(runUnary, atan, MXDecimalAtan, kReals);
BENCHMARK_CAPTURE(runUnary, sqrt, MXDecimalSqrt, kPositives);
BENCHMARK_CAPTURE(runUnary, sinh, MXDecimalSinh, kAngles);
BENCHMARK_CAPTURE(runUnary, asinh, MXDecimalAsinh, kReals);
BENCHMARK_CAPTURE(runPower, integer, "7");
BENCHMARK_CAPTURE(runPower, large_integer, "1000");
BENCHMARK_CAPTURE(runPower, fractional, "0.5");

BENCHMARK_MAIN();
