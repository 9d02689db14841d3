// What a Data Matrix, Aztec Code or RSS-14 build costs beside libzint's own
// encoding of the same data: the build adds the adapter's record or buffers,
// the drawing into a metafile, the placeable WMF written to the temporary
// file and the captions.

#include "core/app/application.h"

#include "silent_host.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <string>
#include <zint.h>

namespace {

using vornik::bench::SilentHost;

// A message of `length` characters of label-like text.
std::string labelText(std::int64_t length) {
    const std::string sample = "Vornik lot 42, item 0017; ";
    std::string text;
    while (static_cast<std::int64_t>(text.size()) < length)
        text += sample;
    return text.substr(0, static_cast<std::size_t>(length));
}

// Builds the job's symbol again and again, as [BUILD/COPY] does.
void buildRepeatedly(benchmark::State& state, vornik::Symbology symbology,
                     const std::string& message, const std::string& supplement) {
    SilentHost host;
    vornik::Application app(host, {.programDirectory = "/tmp"});
    app.startUp();
    app.job().Symbology = symbology;
    app.job().Message = message;
    app.job().Supplement = supplement;
    app.job().PrintWarnings = false;
    for (auto _ : state) {
        if (app.Build() != vornik::BuildOutcome::Built)
            state.SkipWithError("the build was refused");
    }
    (void)app.shutDown(false);
    state.SetItemsProcessed(state.iterations());
}

// libzint alone on the same data.
void encodeRepeatedly(benchmark::State& state, int symbology, const std::string& data,
                      const std::string& primary, int option3) {
    for (auto _ : state) {
        const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                              &ZBarcode_Delete);
        symbol->symbology = symbology;
        symbol->option_3 = option3;
        if (!primary.empty()) {
            std::strcpy(symbol->primary, primary.c_str());
            symbol->input_mode = GS1_MODE | GS1PARENS_MODE;
        }
        const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
        if (ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(data.size())) >= ZINT_ERROR)
            state.SkipWithError("libzint refused the data");
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_DataMatrixBuild(benchmark::State& state) {
    buildRepeatedly(state, vornik::Symbology::DataMatrix, labelText(state.range(0)), "");
}
void BM_DataMatrixLibzint(benchmark::State& state) {
    encodeRepeatedly(state, BARCODE_DATAMATRIX, labelText(state.range(0)), "", DM_SQUARE);
}
void BM_AztecBuild(benchmark::State& state) {
    buildRepeatedly(state, vornik::Symbology::Aztec, labelText(state.range(0)), "");
}
void BM_AztecLibzint(benchmark::State& state) {
    encodeRepeatedly(state, BARCODE_AZTEC, labelText(state.range(0)), "", 0);
}
BENCHMARK(BM_DataMatrixBuild)->Arg(24)->Arg(400);
BENCHMARK(BM_DataMatrixLibzint)->Arg(24)->Arg(400);
BENCHMARK(BM_AztecBuild)->Arg(24)->Arg(400);
BENCHMARK(BM_AztecLibzint)->Arg(24)->Arg(400);

void BM_Rss14Build(benchmark::State& state) {
    buildRepeatedly(state, vornik::Symbology::Rss14, "1234567890123", "");
}
void BM_Rss14Libzint(benchmark::State& state) {
    encodeRepeatedly(state, BARCODE_DBAR_OMN, "1234567890123", "", 0);
}
void BM_Rss14CompositeBuild(benchmark::State& state) {
    buildRepeatedly(state, vornik::Symbology::Rss14, "1234567890123", "(10)ABC123(21)7");
}
void BM_Rss14CompositeLibzint(benchmark::State& state) {
    encodeRepeatedly(state, BARCODE_DBAR_OMN_CC, "(10)ABC123(21)7", "1234567890123", 0);
}
BENCHMARK(BM_Rss14Build);
BENCHMARK(BM_Rss14Libzint);
BENCHMARK(BM_Rss14CompositeBuild);
BENCHMARK(BM_Rss14CompositeLibzint);

} // namespace
