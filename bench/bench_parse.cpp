// Tokenizing and parsing the keyboard-typical corpus, with "%" meaning percent as on the
// keyboard. One benchmark per corpus line and one for the whole corpus; the median over
// the lines is printed at the end.
//
//   bench_parse [benchmark options] [CORPUS]     (default: bench/corpus.txt of the sources)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/operators/MXMathOperatorSet.h"
#include "engine/parser/MXParser.h"
#include "platform/text/MXText.h"

namespace {

std::vector<std::u16string> readCorpus(const std::string& path) {
    std::vector<std::u16string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        if (!line.empty()) lines.push_back(MXFromUtf8(line));
    }
    return lines;
}

bool parses(const std::u16string& text) {
    MXError error;
    const auto parser = MXParser::parserWithString(text, &error);
    return parser && parser->parsedExpressionWithError(&error) != nullptr;
}

void parseLine(benchmark::State& state, const std::u16string& text) {
    for (auto _ : state) benchmark::DoNotOptimize(parses(text));
}

void parseCorpus(benchmark::State& state, const std::vector<std::u16string>& corpus) {
    for (auto _ : state) {
        for (const auto& text : corpus) benchmark::DoNotOptimize(parses(text));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(corpus.size()));
}

// Collects the time of every per-line run to print their median.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.benchmark_name().rfind("parse/line", 0) == 0) {
                realTimes_.push_back(run.GetAdjustedRealTime());
                cpuTimes_.push_back(run.GetAdjustedCPUTime());
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void printMedians() const {
        if (realTimes_.empty()) return;
        std::printf("median per expression over %zu lines: %.0f ns real, %.0f ns CPU\n", realTimes_.size(),
                    median(realTimes_), median(cpuTimes_));
    }

private:
    static double median(std::vector<double> times) {
        std::sort(times.begin(), times.end());
        const size_t middle = times.size() / 2;
        return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    }

    std::vector<double> realTimes_;
    std::vector<double> cpuTimes_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string path = argc > 1 ? argv[1] : std::string(MX_SOURCE_DIR) + "/bench/corpus.txt";
    const std::vector<std::u16string> corpus = readCorpus(path);
    if (corpus.empty()) {
        std::fprintf(stderr, "bench_parse: no expressions in %s\n", path.c_str());
        return 1;
    }
    MXMathOperatorSet::defaultOperatorSet()->setInterpretsPercentSignAsModulo(false);
    for (size_t index = 0; index < corpus.size(); ++index) {
        if (!parses(corpus[index])) std::fprintf(stderr, "line %zu does not parse\n", index + 1);
        char name[32];
        std::snprintf(name, sizeof name, "parse/line%02zu", index + 1);
        benchmark::RegisterBenchmark(name, parseLine, corpus[index]);
    }
    benchmark::RegisterBenchmark("parse/corpus", parseCorpus, corpus);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printMedians();
    benchmark::Shutdown();
    return 0;
}
