// From a key event sent by an application to the engine's answer (the commit or the
// auxiliary text) arriving back, through a real ibus-daemon. Run beside a private daemon:
//   tests/ibus/with_ibus_daemon.sh build/ibus/component build/tests/ibus/bench_ibus_latency
// Reports the median and the worst key as counters.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string_view>
#include <vector>

#include "tests/support/ibus_test_client.h"

namespace {

// Digits and operators show a result, space inserts it.
constexpr std::string_view kKeys = "12+34*5 ";

void BM_KeyToAnswer(benchmark::State& state) {
    ibus_init();
    IBusBus* bus = ibus_bus_new();
    if (!IBusTestClient::waitFor([bus] { return ibus_bus_is_connected(bus); })) {
        state.SkipWithError("no ibus-daemon");
        return;
    }
    auto client = std::make_unique<IBusTestClient>(bus, true);
    if (!IBusTestClient::selectEngine(bus) || !client->focus()) {
        state.SkipWithError("the calculator engine did not start");
        return;
    }
    std::vector<double> seconds;
    size_t next = 0;
    for (auto _ : state) {
        const guint keyval = ibus_unicode_to_keyval(static_cast<unsigned char>(kKeys[next++ % kKeys.size()]));
        const size_t before = client->answers();
        const auto start = std::chrono::steady_clock::now();
        ibus_input_context_process_key_event_async(client->context(), keyval, 0, 0, 5000, nullptr, nullptr, nullptr);
        const bool answered = IBusTestClient::waitFor([&] { return client->answers() > before; }, 5);
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        state.SetIterationTime(seconds.back());
        if (!answered || !client->sendKey(keyval, IBUS_RELEASE_MASK)) {
            state.SkipWithError("no answer in time");
            break;
        }
    }
    std::sort(seconds.begin(), seconds.end());
    if (!seconds.empty()) {
        state.counters["median_ms"] = seconds[seconds.size() / 2] * 1000;
        state.counters["worst_ms"] = seconds.back() * 1000;
    }
    client.reset();
    g_object_unref(bus);
}

BENCHMARK(BM_KeyToAnswer)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
