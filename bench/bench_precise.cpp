// One-shot evaluation with high precision on (text in, decimal number out) over the corpus
// of typical keyboard input, with "%" as percent: each line alone, then all lines in turn.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/evaluator/MXMathEvaluator.h"
#include "engine/operators/MXMathOperatorSet.h"
#include "platform/text/MXText.h"

namespace {

std::vector<std::u16string> readCorpus() {
    std::ifstream file(MX_SOURCE_DIR "/bench/corpus.txt");
    std::vector<std::u16string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty()) lines.push_back(MXFromUtf8(line));
    }
    return lines;
}

MXMathEvaluator& preciseEvaluator() {
    static MXMathEvaluator* const evaluator = [] {
        MXMathOperatorSet::defaultOperatorSet()->setInterpretsPercentSignAsModulo(false);
        auto* created = new MXMathEvaluator();
        created->setUsesHighPrecisionEvaluation(true);
        return created;
    }();
    return *evaluator;
}

void evaluatePrecisely(benchmark::State& state, const std::vector<const std::u16string*>& lines) {
    MXMathEvaluator& evaluator = preciseEvaluator();
    for (auto _ : state) {
        for (const std::u16string* line : lines) {
            MXError error;
            benchmark::DoNotOptimize(evaluator.evaluateString(*line, nullptr, &error));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}

}  // namespace

int main(int argc, char** argv) {
    static const std::vector<std::u16string> corpus = readCorpus();
    std::vector<const std::u16string*> all;
    for (size_t i = 0; i < corpus.size(); ++i) {
        all.push_back(&corpus[i]);
        char label[40];
        std::snprintf(label, sizeof label, "precise/line:%02zu", i + 1);
        benchmark::RegisterBenchmark(label, evaluatePrecisely, std::vector<const std::u16string*>{&corpus[i]})
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("precise/all", evaluatePrecisely, all)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
