// How fast a symbol goes from message to image file: a 20-character Code 128
// at 300 dpi built and written as PNG, SVG and EPS, and a run of 10,000
// serial-numbered PNGs, each next to libzint writing a PNG of the same
// symbol at the same pixel size.

#include "core/app/application.h"
#include "core/app/save_bar_code.h"
#include "export/allocator_tuning.h"
#include "export/image_converter.h"
#include "silent_host.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <zint.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* kMessage = "VORNIK-2026-ABCDEFGH"; // 20 characters
constexpr int kDpi = 300;

fs::path outputFolder() {
    const fs::path folder = fs::temp_directory_path() / "vornik-export-bench";
    fs::create_directories(folder);
    return folder;
}

// The resident set in kilobytes.
long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

struct Labeller {
    vornik::bench::SilentHost host;
    vornik::Application app{host, {.programDirectory = "/tmp"}};

    Labeller() {
        app.startUp();
        app.convertImage = vornik::exporting::convertImage;
        app.MCode_Click(vornik::Symbology::Code128);
        app.job().RasterResolution = kDpi;
        app.setUnits(vornik::Units::InchesMils);
        app.boxes().editWidth("10", vornik::BoxEdit::Command); // mils: 3 pixels a module
        if (std::getenv("NOTEXT")) app.job().IncludeText = false;
    }
    ~Labeller() { (void)app.shutDown(false); }

    bool buildAndSave(const std::string& message, const fs::path& file) {
        app.job().Message = message;
        app.state().BarcodeSavePath = file.string();
        return app.Build() == vornik::BuildOutcome::Built &&
               vornik::saveBarCode(app) == vornik::SaveOutcome::Saved;
    }
    // The PNG's size in pixels, as the converter sizes it.
    [[nodiscard]] int pixels(int units) const { return (units * kDpi + 2539) / 2540; }
};

void buildAndWrite(benchmark::State& state, const char* extension) {
    Labeller labeller;
    const fs::path file = outputFolder() / (std::string("vornik.") + extension);
    for (auto _ : state)
        if (!labeller.buildAndSave(kMessage, file))
            state.SkipWithError("the symbol was not saved");
    state.counters["width_px"] = labeller.pixels(labeller.app.state().CurrentPicture.xExtent);
    state.counters["height_px"] = labeller.pixels(labeller.app.state().CurrentPicture.yExtent);
}

void BM_VornikBuildAndWritePng(benchmark::State& state) {
    buildAndWrite(state, "png");
}

// The two halves of the above: the build (encoding, drawing, the temporary
// metafile written) and the conversion of that metafile into a PNG.
void BM_VornikBuildOnly(benchmark::State& state) {
    Labeller labeller;
    labeller.app.job().Message = kMessage;
    for (auto _ : state)
        if (labeller.app.Build() != vornik::BuildOutcome::Built)
            state.SkipWithError("the symbol was not built");
}

void BM_VornikConvertOnly(benchmark::State& state) {
    Labeller labeller;
    labeller.app.job().Message = kMessage;
    if (labeller.app.Build() != vornik::BuildOutcome::Built)
        state.SkipWithError("the symbol was not built");
    const auto request = vornik::imageConversion(
        labeller.app.job(), labeller.app.state().TempMetafilePath,
        (outputFolder() / "convert.png").string(), vornik::ImageFormat::Png);
    for (auto _ : state)
        if (vornik::exporting::convertImage(request))
            state.SkipWithError("the PNG was not written");
}
void BM_VornikBuildAndWriteSvg(benchmark::State& state) {
    buildAndWrite(state, "svg");
}
void BM_VornikBuildAndWriteEps(benchmark::State& state) {
    buildAndWrite(state, "eps");
}

// libzint's Code 128 with its module of 3 pixels (scale 1.5 at 2 pixels a
// module; ours is 10 mils at 300 dpi, 2.95 pixels) and about as tall as our
// picture, text below.
zint_symbol* zintSymbol(const fs::path& file) {
    zint_symbol* symbol = ZBarcode_Create();
    symbol->symbology = BARCODE_CODE128;
    symbol->scale = 1.5f;
    symbol->height = 106.0f; // modules: the height of our picture, text included
    symbol->output_options = 0;
    std::snprintf(symbol->outfile, sizeof symbol->outfile, "%s", file.c_str());
    return symbol;
}

void BM_ZintWritePng(benchmark::State& state) {
    const fs::path file = outputFolder() / "zint.png";
    int width = 0, height = 0;
    for (auto _ : state) {
        zint_symbol* symbol = zintSymbol(file);
        if (ZBarcode_Encode_and_Print(symbol, reinterpret_cast<const unsigned char*>(kMessage), 20,
                                      0) >= ZINT_ERROR)
            state.SkipWithError(symbol->errtxt);
        width = symbol->bitmap_width;
        height = symbol->bitmap_height;
        ZBarcode_Delete(symbol);
    }
    state.counters["width_px"] = width;
    state.counters["height_px"] = height;
}

std::string serial(int number) {
    char text[21];
    std::snprintf(text, sizeof text, "VORNIK-2026-%08d", number);
    return text;
}

// 10,000 labels; the resident set after the first 100 and after the last
// shows whether anything grows with the run.
void BM_Vornik10000Pngs(benchmark::State& state) {
    const fs::path file = outputFolder() / "run.png";
    for (auto _ : state) {
        Labeller labeller;
        long warm = 0;
        for (int number = 0; number < 10'000; ++number) {
            if (!labeller.buildAndSave(serial(number), file))
                state.SkipWithError("the symbol was not saved");
            if (number == 99)
                warm = residentKilobytes();
        }
        state.counters["rss_growth_kB"] = static_cast<double>(residentKilobytes() - warm);
    }
}

void BM_Zint10000Pngs(benchmark::State& state) {
    const fs::path file = outputFolder() / "zint-run.png";
    for (auto _ : state) {
        long warm = 0;
        for (int number = 0; number < 10'000; ++number) {
            zint_symbol* symbol = zintSymbol(file);
            const std::string text = serial(number);
            ZBarcode_Encode_and_Print(symbol, reinterpret_cast<const unsigned char*>(text.data()),
                                      static_cast<int>(text.size()), 0);
            ZBarcode_Delete(symbol);
            if (number == 99)
                warm = residentKilobytes();
        }
        state.counters["rss_growth_kB"] = static_cast<double>(residentKilobytes() - warm);
    }
}

} // namespace

BENCHMARK(BM_VornikBuildAndWritePng)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZintWritePng)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VornikBuildOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VornikConvertOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VornikBuildAndWriteSvg)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VornikBuildAndWriteEps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Vornik10000Pngs)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Zint10000Pngs)->Unit(benchmark::kMillisecond)->Iterations(1);

// Text needs a GUI application for its fonts; the offscreen platform gives
// one without a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    vornik::exporting::keepLargeBuffersInHeap(); // as the converter module does
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
