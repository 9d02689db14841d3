// How long a large PDF417 symbol takes from message to metafile file, beside
// libzint's PDF417 of the same data written as an EMF file: the build runs
// on every label an automating program prints.

#include "core/app/application.h"
#include "core/dde/interpreter.h"

#include "silent_host.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>
#include <zint.h>

namespace {

using vornik::bench::SilentHost;

// Both sides use error correction level 5 (64 codewords).
constexpr int kSecurityLevel = 5;

// 1,000 bytes of text as a label carries it: words, digits and punctuation.
std::string textMessage() {
    const std::string sentence = "Lot 4711, batch B-17: 250 units (shipped 2026-12-06); ok. ";
    std::string text;
    while (text.size() < 1000)
        text += sentence;
    return text.substr(0, 1000);
}

std::string digitMessage() {
    std::string digits;
    for (int i = 0; i < 2000; ++i)
        digits += static_cast<char>('0' + (i * 7 + 3) % 10);
    return digits;
}

void buildWithVornik(benchmark::State& state, const std::string& message) {
    SilentHost host;
    vornik::Application app(host, {.programDirectory = VORNIK_PROGRAM_DIRECTORY});
    app.startUp();
    vornik::dde::Interpreter interpreter(app);
    if (!interpreter.Execute("[PRINTWARNINGS=OFF][MESSAGEWARNINGS=OFF][PDF417][PDFSECURITY=" +
                             std::to_string(kSecurityLevel) + "]")) {
        state.SkipWithError("PDF417 could not be chosen");
        return;
    }
    app.job().Message = message;
    for (auto _ : state) {
        if (app.Build() != vornik::BuildOutcome::Built) {
            state.SkipWithError("no symbol was built");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * message.size()));
    (void)app.shutDown(false);
}

void buildWithZint(benchmark::State& state, const std::string& message) {
    const auto file = std::filesystem::temp_directory_path() / "vornik-bench-zint.emf";
    for (auto _ : state) {
        const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                              &ZBarcode_Delete);
        symbol->symbology = BARCODE_PDF417;
        symbol->option_1 = kSecurityLevel;
        file.string().copy(symbol->outfile, sizeof symbol->outfile - 1);
        const auto* bytes = reinterpret_cast<const unsigned char*>(message.data());
        if (ZBarcode_Encode_and_Print(symbol.get(), bytes, static_cast<int>(message.size()), 0) >=
            ZINT_ERROR) {
            state.SkipWithError(symbol->errtxt);
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * message.size()));
    std::filesystem::remove(file);
}

void BM_Vornik_Pdf417_Text1000(benchmark::State& state) {
    buildWithVornik(state, textMessage());
}
void BM_Zint_Pdf417_Text1000(benchmark::State& state) {
    buildWithZint(state, textMessage());
}
void BM_Vornik_Pdf417_Digits2000(benchmark::State& state) {
    buildWithVornik(state, digitMessage());
}
void BM_Zint_Pdf417_Digits2000(benchmark::State& state) {
    buildWithZint(state, digitMessage());
}
BENCHMARK(BM_Vornik_Pdf417_Text1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Zint_Pdf417_Text1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Vornik_Pdf417_Digits2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Zint_Pdf417_Digits2000)->Unit(benchmark::kMicrosecond);

} // namespace
