// One full start-up read against the virtual keyboard with the protocol's real pauses: how much
// the link adds beyond the pauses it must make.
#include "device/DeviceLink.h"
#include "device/ReadAll.h"
#include "sim/VirtualKeyboard.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void BM_FullReadWithRealPauses(benchmark::State& state) {
    hx::sim::VirtualKeyboard keyboard;
    auto backend = keyboard.MakeBackend();
    hx::SleepingPacer pacer;
    hx::DeviceLink link(*backend, pacer);
    if (!link.OpenDeviceHandle()) {
        state.SkipWithError("no virtual keyboard");
        return;
    }
    double total = 0;
    for (auto _ : state) {
        hx::DeviceImage image;
        hx::FirmwareVersion firmware;
        const auto start = std::chrono::steady_clock::now();
        auto session = link.Begin();
        if (!hx::ReadEverything(session, image, firmware))
            state.SkipWithError("read failed");
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
    }
    const double mean = total / static_cast<double>(state.iterations());
    const double pauses = static_cast<double>(hx::kFullReadPauses.count());
    state.counters["mean_ms"] = mean;
    state.counters["pauses_ms"] = pauses;
    state.counters["overhead_pct"] = 100.0 * (mean - pauses) / pauses;
}
BENCHMARK(BM_FullReadWithRealPauses)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

BENCHMARK_MAIN();
