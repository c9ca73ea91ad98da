// One-shot evaluation (text in, number out) over the corpus of typical keyboard input, with
// "%" as percent, against muparser doing the same one-shot work (set the expression,
// evaluate once) on the lines it can express. Ends with a table of time ratios.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "engine/evaluator/MXMathEvaluator.h"
#include "engine/operators/MXMathOperatorSet.h"
#include "platform/text/MXText.h"

#ifdef MX_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

struct CorpusLine {
    std::string text;
    std::u16string engineText;
    // Empty when muparser cannot express the line.
    std::string muparserText;
};

std::vector<std::string> readCorpus() {
    std::ifstream file(MX_SOURCE_DIR "/bench/corpus.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

// muparser's spelling of a line, or "" when it has no spelling for the notation: factorial,
// percent and implicit multiplication.
std::string muparserSpelling(const std::string& line) {
    // A digit or ")" directly before a name or "(", except the "e" of an exponent.
    static const std::regex implicitProduct(R"([0-9.)]\s*([a-df-zA-DF-Z(]|[eE](?![0-9+-])))");
    if (line.find_first_of("!%") != std::string::npos || std::regex_search(line, implicitProduct)) return "";
    std::string text = std::regex_replace(line, std::regex(R"(\bpi\b)"), "_pi");
    text = std::regex_replace(text, std::regex(R"(\blog\()"), "log10(");
    return std::regex_replace(text, std::regex(";"), ",");
}

MXMathEvaluator& percentEvaluator() {
    static MXMathEvaluator* const evaluator = [] {
        MXMathOperatorSet::defaultOperatorSet()->setInterpretsPercentSignAsModulo(false);
        return new MXMathEvaluator();
    }();
    return *evaluator;
}

double engineValue(const std::u16string& text) {
    MXError error;
    const auto value = percentEvaluator().evaluateString(text, nullptr, &error);
    return value ? value->doubleValue() : std::nan("");
}

bool sameValue(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return false;
    if (a == b) return true;
    return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

void evaluateWithEngine(benchmark::State& state, const std::vector<const CorpusLine*>& lines) {
    MXMathEvaluator& evaluator = percentEvaluator();
    for (auto _ : state) {
        for (const CorpusLine* line : lines) {
            MXError error;
            benchmark::DoNotOptimize(evaluator.evaluateString(line->engineText, nullptr, &error));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}

#ifdef MX_HAVE_MUPARSER
double muparserValue(mu::Parser& parser, const std::string& text) {
    try {
        parser.SetExpr(text);
        return parser.Eval();
    } catch (const mu::Parser::exception_type&) {
        return std::nan("");
    }
}

void evaluateWithMuparser(benchmark::State& state, const std::vector<const CorpusLine*>& lines) {
    mu::Parser parser;
    for (auto _ : state) {
        for (const CorpusLine* line : lines) {
            parser.SetExpr(line->muparserText);
            benchmark::DoNotOptimize(parser.Eval());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
#endif

// Prints the usual console table, then engine CPU time / muparser CPU time for each pair.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-12s %14s %14s %8s\n", "pair", "engine", "muparser", "ratio");
        for (const auto& [name, engineTime] : times_) {
            if (name.rfind("engine/", 0) != 0) continue;
            const std::string suffix = name.substr(7);
            const auto other = times_.find("muparser/" + suffix);
            if (other == times_.end()) continue;
            std::printf("%-12s %14.1f %14.1f %8.3f\n", suffix.c_str(), engineTime, other->second,
                        engineTime / other->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    static std::vector<CorpusLine> corpus;
#ifdef MX_HAVE_MUPARSER
    mu::Parser checker;
#endif
    for (const std::string& text : readCorpus()) {
        CorpusLine line{text, MXFromUtf8(text), ""};
#ifdef MX_HAVE_MUPARSER
        // Only lines both compute to the same value are compared.
        const std::string spelling = muparserSpelling(text);
        if (!spelling.empty() && sameValue(engineValue(line.engineText), muparserValue(checker, spelling))) {
            line.muparserText = spelling;
        }
#endif
        corpus.push_back(std::move(line));
    }
    static std::vector<const CorpusLine*> all, common;
    for (size_t i = 0; i < corpus.size(); ++i) {
        const CorpusLine* line = &corpus[i];
        all.push_back(line);
        const std::string label = (i < 9 ? "line:0" : "line:") + std::to_string(i + 1);
        benchmark::RegisterBenchmark(("engine/" + label).c_str(), evaluateWithEngine,
                                     std::vector<const CorpusLine*>{line})
            ->Unit(benchmark::kNanosecond);
#ifdef MX_HAVE_MUPARSER
        if (line->muparserText.empty()) continue;
        common.push_back(line);
        benchmark::RegisterBenchmark(("muparser/" + label).c_str(), evaluateWithMuparser,
                                     std::vector<const CorpusLine*>{line})
            ->Unit(benchmark::kNanosecond);
#endif
    }
    benchmark::RegisterBenchmark("engine/all", evaluateWithEngine, all)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("engine/common", evaluateWithEngine, common)->Unit(benchmark::kMicrosecond);
#ifdef MX_HAVE_MUPARSER
    benchmark::RegisterBenchmark("muparser/common", evaluateWithMuparser, common)->Unit(benchmark::kMicrosecond);
#endif
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
