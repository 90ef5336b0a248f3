// The real main window over the virtual keyboard: one full paint into the back buffer, and
// start-up to the first paint (read of the whole keyboard with its real pauses included).
#include "config/LocalFiles.h"
#include "device/DeviceConnection.h"
#include "device/DeviceLink.h"
#include "device/Pacer.h"
#include "device/ReadAll.h"
#include "platform/QtShell.h"
#include "platform/QtUiServices.h"
#include "sim/VirtualKeyboard.h"
#include "ui/main/CZadeDevuzoveDlg.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>

namespace {

// The build's skin lies in <build>/png/english; the resource folder is <build>.
const std::filesystem::path kResources =
    std::filesystem::path(HX_SKIN_DIR).parent_path().parent_path();

struct Program {
    Program() : backend(keyboard.MakeBackend()), link(*backend, pacer) {
        state->folders = {kResources, std::filesystem::temp_directory_path()};
    }
    hx::sim::VirtualKeyboard keyboard;
    std::unique_ptr<hx::HidBackend> backend;
    hx::SleepingPacer pacer;
    hx::DeviceLink link;
    std::unique_ptr<hx::AppState> state = std::make_unique<hx::AppState>();
    hx::QtUiServices ui;
    hx::QtShell shell;
};

void BM_PaintMainWindow(benchmark::State& state) {
    Program p;
    hx::CZadeDevuzoveDlg window(*p.state, p.link, p.ui, p.shell);
    if (window.Compose().isNull()) {
        state.SkipWithError("no skin: build the skin first");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(window.Compose().constBits());
}
BENCHMARK(BM_PaintMainWindow)->Unit(benchmark::kMillisecond)->Repetitions(5);

// Open, read everything the keyboard holds, build the window and compose its first picture.
void BM_StartupToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        Program p;
        const auto start = std::chrono::steady_clock::now();
        hx::CZadeDevuzoveDlg window(*p.state, p.link, p.ui, p.shell);
        if (!p.link.OpenDeviceHandle()) {
            state.SkipWithError("no virtual keyboard");
            return;
        }
        hx::StartupRead read;
        {
            auto session = p.link.Begin();
            read.status = hx::ReadEverything(session, read.image, read.firmware);
        }
        hx::MergeStartupRead(read, *p.state);
        benchmark::DoNotOptimize(window.Compose().constBits());
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
