// Long, flat and deep inputs in every mode of mxcalc: time per input, and the peak of heap
// memory in use while one input is answered (counter peak_MB). Inputs: a flat chain of 10^5
// terms, 10^6 nested brackets, and inputs of up to 10^4 characters shaped to be slow
// (named in the benchmark; the slowest per mode is the figure to watch, goal under 10 ms).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "engine/evaluator/MXMathEvaluator.h"
#include "engine/tokenizer/MXMathStringTokenizer.h"
#include "keyboard/KeyboardHeadless.h"
#include "platform/settings/MXSettingsDirectory.h"

namespace {

std::atomic<size_t> heapInUse{0};
std::atomic<size_t> heapPeak{0};

void noteAllocation(size_t bytes) {
    const size_t now = heapInUse.fetch_add(bytes) + bytes;
    for (size_t peak = heapPeak.load(); now > peak && !heapPeak.compare_exchange_weak(peak, now);) {
    }
}

}  // namespace

void* operator new(size_t size) {
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) throw std::bad_alloc();
    noteAllocation(malloc_usable_size(memory));
    return memory;
}
void operator delete(void* memory) noexcept {
    if (memory == nullptr) return;
    heapInUse.fetch_sub(malloc_usable_size(memory));
    std::free(memory);
}
void operator delete(void* memory, size_t) noexcept { operator delete(memory); }

namespace {

using Mode = std::function<void(const std::u16string&)>;

MXMathEvaluator& evaluator() {
    static MXMathEvaluator instance;
    return instance;
}

KeyboardHeadless& keyboard() {
    static KeyboardHeadless* instance = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "mxbench-XXXXXX").string();
        if (mkdtemp(folder.data()) != nullptr) MXSetSettingsDirectory(folder);
        return new KeyboardHeadless();
    }();
    return *instance;
}

const std::vector<std::pair<const char*, Mode>>& modes() {
    static const std::vector<std::pair<const char*, Mode>> all = {
        {"tokens", [](const std::u16string& text) { benchmark::DoNotOptimize(MXMathStringTokenizer::tokenizerWithString(text)); }},
        {"tree", [](const std::u16string& text) {
             if (auto tree = MXExpression::expressionFromString(text)) benchmark::DoNotOptimize(tree->description());
         }},
        {"evaluate", [](const std::u16string& text) { benchmark::DoNotOptimize(evaluator().evaluateString(text, nullptr, nullptr)); }},
        {"simplify", [](const std::u16string& text) {
             MXError error;
             if (auto tree = MXExpression::expressionFromString(text))
                 if (auto simplified = tree->simplifiedExpressionWithEvaluator(&evaluator(), &error))
                     benchmark::DoNotOptimize(simplified->description());
         }},
        {"rewrite", [](const std::u16string& text) {
             if (auto tree = MXExpression::expressionFromString(text))
                 benchmark::DoNotOptimize(evaluator().expressionByRewritingExpression(tree)->description());
         }},
        {"keyboard", [](const std::u16string& text) {
             keyboard().controller().evaluate(text);
             benchmark::DoNotOptimize(keyboard().spaceTitle());
         }},
    };
    return all;
}

std::u16string repeated(std::u16string_view piece, size_t count) {
    std::u16string text;
    for (size_t i = 0; i < count; ++i) text += piece;
    return text;
}

// Up to 10^4 characters each.
std::vector<std::pair<std::string, std::u16string>> inputs() {
    return {
        {"flat_1e5_terms", repeated(u"1+", 100000) + u"1"},
        {"nested_1e6_brackets", repeated(u"(", 1000000) + u"1" + repeated(u")", 1000000)},
        {"10k_sum", repeated(u"1+", 5000)},
        {"10k_products", repeated(u"2*3/", 2500)},
        {"10k_factorials", u"1" + repeated(u"!", 9999)},
        {"10k_nine_factorial_groups", repeated(u"(", 9) + repeated(u"1" + repeated(u"!", 1000) + u")", 9)},
        {"10k_percent", u"100" + repeated(u"+1%", 3332)},
        {"10k_variables", repeated(u"$x+", 3333)},
        {"10k_squares", repeated(u"$x*$x+", 1666)},
        {"10k_zeros", u"$x" + repeated(u"+0", 4999)},
        {"10k_brackets", repeated(u"(", 1023) + u"1" + repeated(u")", 1023)},
        {"10k_calls", repeated(u"sin(", 511) + u"1" + repeated(u")", 511)},
        {"10k_negations", repeated(u"-", 1020) + u"1"},
        {"10k_powers", repeated(u"2^", 1020) + u"1"},
        {"10k_groups", repeated(u"(1)", 3333)},
        {"10k_arguments", u"max(" + repeated(u"1;", 4997) + u"1)"},
    };
}

void answer(benchmark::State& state, const Mode& mode, const std::u16string& text) {
    mode(text);  // first answer unmeasured: settings, tables and caches
    size_t peak = 0;
    for (auto _ : state) {
        heapPeak = heapInUse.load();
        const size_t before = heapInUse.load();
        mode(text);
        peak = std::max(peak, heapPeak.load() - before);
    }
    state.counters["peak_MB"] = double(peak) / 1e6;
}

const bool registered = [] {
    for (const auto& [name, text] : inputs()) {
        for (const auto& [modeName, mode] : modes()) {
            const Mode* chosen = &mode;
            const std::u16string input = text;
            benchmark::RegisterBenchmark((std::string(modeName) + "/" + name).c_str(),
                                         [chosen, input](benchmark::State& state) { answer(state, *chosen, input); })
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
