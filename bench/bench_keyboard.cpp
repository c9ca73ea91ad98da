// Typing speed: a 60-key expression tapped one key at a time through keyPressed, with the
// whole expression evaluated and its result formatted after every key. Reports the median
// and the worst latency per key, the 99th percentile, and the median of the slowest key
// position (on a busy machine the worst single latency mostly measures waiting for a processor,
// so the worst processor time spent on one key is reported beside it).
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "keyboard/KeyboardHeadless.h"
#include "platform/format/MXDeviceSettings.h"

namespace {

// The titles of the keys tapped, in typing order (degree mode: sin types sind().
const std::vector<std::u16string> kKeys = {
    u"1",  u"2", u"3", u"4", u".",  u"5", u"+", u"sin", u"3",  u"0", u")", u"-",  u"ln",  u"2",   u")",
    u"*",  u"(", u"7", u"+", u"8",  u")", u"/", u"9",   u"^",  u"2", u"+", u"cos", u"4",  u"5",   u")",
    u"-",  u"1", u"/", u"3", u"+",  u"asin", u"0", u".", u"5", u")", u")", u"*",  u"eˣ",  u"1",   u")",
    u"+",  u"log", u"1", u"0", u"0", u")", u"-", u"2",  u"x!", u"+", u"6", u"0",  u"*",   u"1",   u"."};

double medianOf(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// Processor time of this thread, in microseconds.
double threadMicros() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

class SettingsFolder {
public:
    SettingsFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mxbench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~SettingsFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void BM_TypingOneKeyAtATime(benchmark::State& state) {
    MXDeviceSettings::setLocale(MXLocale(u"en_US"));
    MXDeviceSettings::setTimeZone(MXTimeZone::timeZoneWithName(u"UTC"));
    const SettingsFolder folder;
    KeyboardHeadless keyboard(MXUserDefaults().inDirectory(folder.path()));
    keyboard.controller().viewDidLoad();
    keyboard.controller().viewDidAppear(false);
    keyboard.controller().setCanType(false);
    std::vector<std::unique_ptr<MXButton>> keys;
    for (const std::u16string& title : kKeys) keys.push_back(std::make_unique<MXButton>(title));
    // Settings, number formats and the evaluator are set up by a first, unmeasured pass.
    for (const auto& key : keys) keyboard.controller().keyPressed(*key);

    std::vector<double> latencies;
    double worstProcessorTime = 0;
    std::vector<std::vector<double>> byPosition(kKeys.size());
    for (auto _ : state) {
        keyboard.resultsLabel().setText(u"");
        for (size_t position = 0; position < kKeys.size(); ++position) {
            const double processorStart = threadMicros();
            const auto start = std::chrono::steady_clock::now();
            keyboard.controller().keyPressed(*keys[position]);
            const auto end = std::chrono::steady_clock::now();
            worstProcessorTime = std::max(worstProcessorTime, threadMicros() - processorStart);
            const double micros = std::chrono::duration<double, std::micro>(end - start).count();
            latencies.push_back(micros);
            byPosition[position].push_back(micros);
        }
        benchmark::DoNotOptimize(keyboard.spaceTitle());
    }
    if (latencies.empty()) return;
    double slowestPosition = 0;
    for (const auto& timings : byPosition) slowestPosition = std::max(slowestPosition, medianOf(timings));
    state.counters["keys"] = static_cast<double>(kKeys.size());
    state.counters["median_us"] = medianOf(latencies);
    state.counters["worst_us"] = *std::max_element(latencies.begin(), latencies.end());
    state.counters["worst_cpu_us"] = worstProcessorTime;
    std::sort(latencies.begin(), latencies.end());
    state.counters["p99_us"] = latencies[latencies.size() * 99 / 100];
    state.counters["slowest_key_median_us"] = slowestPosition;
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kKeys.size()));
    MXDeviceSettings::setLocale(std::nullopt);
    MXDeviceSettings::setTimeZone(std::nullopt);
}

BENCHMARK(BM_TypingOneKeyAtATime)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
