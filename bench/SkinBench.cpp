// One main-window paint: the back buffer from "main.png", then about thirty images and thirty
// labels through QtCanvas. Cached: the skin cache kept between paints (file sizes and times still
// checked at every draw). Uncached: every image read and decoded again at every paint.
#include "PreviewScene.h"

#include "ui/controls/LabelFonts.h"
#include "ui/controls/QtCanvas.h"
#include "ui/controls/SkinCache.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

const std::filesystem::path kSkin = HX_SKIN_DIR;

void PaintOnce(hx::SkinCache& skins, hx::LabelFonts& fonts, hx::DeviceImage& image,
               benchmark::State& state) {
    QImage buffer = hx::LoadBackBuffer(skins, kSkin, "main.png");
    if (buffer.isNull()) {
        state.SkipWithError("no skin: build the skin first");
        return;
    }
    {
        hx::QtCanvas canvas(buffer, skins, fonts, kSkin);
        skin::ComposeMainWindow(canvas, image, {});
    }
    benchmark::DoNotOptimize(buffer.constBits());
}

void BM_MainPaintCached(benchmark::State& state) {
    hx::SkinCache skins;
    hx::LabelFonts fonts;
    hx::DeviceImage image;
    PaintOnce(skins, fonts, image, state); // warm the cache and the fonts
    for (auto _ : state) {
        PaintOnce(skins, fonts, image, state);
    }
}

void BM_MainPaintDecodingEveryImage(benchmark::State& state) {
    hx::LabelFonts fonts;
    hx::DeviceImage image;
    for (auto _ : state) {
        hx::SkinCache skins; // nothing kept: every image is read and decoded again
        PaintOnce(skins, fonts, image, state);
    }
}

BENCHMARK(BM_MainPaintCached)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_MainPaintDecodingEveryImage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
