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

const std::array<const char*, 4> kFactorials = {"0.5", "-2.7182818284590452353602874713526624977", "1e-8",
                                                "98.765432109876543210987654321098765432"};
const std::array<const char*, 4> kAboveOne = {"2", "1.0000000000000000031415926535897932385", "1e30",
                                              "98765432109876543210.987654321098765432"};
const std::array<const char*, 4> kUpToOne = {"0.5", "0.99999999999999999968584073464102067615", "1e-30",
                                             "0.31415926535897932384626433832795028841"};

void runPower(benchmark::State& state, const char* exponent) {
    const auto bases = records(kPositives);
    const MXDecimalRecord power = MXDecimalRecordFromString(exponent);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MXDecimalPower(bases[i], power));
        i = (i + 1) % bases.size();
    }
}

void runRoot(benchmark::State& state, const char* index) {
    const auto radicands = records(kPositives);
    const MXDecimalRecord n = MXDecimalRecordFromString(index);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MXDecimalRoot(radicands[i], n));
        i = (i + 1) % radicands.size();
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
BENCHMARK_CAPTURE(runUnary, exp, MXDecimalExp, kAngles);
BENCHMARK_CAPTURE(runUnary, ln, MXDecimalLn, kPositives);
BENCHMARK_CAPTURE(runUnary, log10, MXDecimalLog10, kPositives);
BENCHMARK_CAPTURE(runUnary, log2, MXDecimalLog2, kPositives);
BENCHMARK_CAPTURE(runUnary, acosh, MXDecimalAcosh, kAboveOne);
BENCHMARK_CAPTURE(runUnary, asech, MXDecimalAsech, kUpToOne);
BENCHMARK_CAPTURE(runUnary, gamma, MXDecimalGamma, kFactorials);
BENCHMARK_CAPTURE(runUnary, factorial_of_fraction, MXDecimalFactorial, kFactorials);
BENCHMARK_CAPTURE(runPower, integer, "7");
BENCHMARK_CAPTURE(runPower, large_integer, "1000");
BENCHMARK_CAPTURE(runPower, fractional, "0.5");
BENCHMARK_CAPTURE(runPower, negative_integer, "-7");
BENCHMARK_CAPTURE(runPower, real, "-2.7182818284590452353602874713526624977");
BENCHMARK_CAPTURE(runPower, twelfth, "0.083333333333333333333333333333333333333");
BENCHMARK_CAPTURE(runRoot, cube, "3");
BENCHMARK_CAPTURE(runRoot, fractional_index, "2.5");

BENCHMARK_MAIN();
