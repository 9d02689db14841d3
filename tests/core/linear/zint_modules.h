#pragma once

// Symbols drawn by libzint, as a reference for the symbologies that no
// reader in the test set decodes, and our patterns in the same form.

#include "core/linear/bar_pattern.h"
#include "core/linear/encode_linear.h"

#include <memory>
#include <random>
#include <string>
#include <variant>
#include <zint.h>

namespace vornik::linear::testing {

// Row `row` of libzint's symbol for the data, every `step`th module, "1" per
// bar module and "0" per space module; "refused" when libzint rejects the data.
inline std::string zintModules(int symbology, const std::string& data, int option2, int row = 0,
                               int step = 1) {
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                          &ZBarcode_Delete);
    symbol->symbology = symbology;
    symbol->option_2 = option2;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    if (ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(data.size())) >= ZINT_ERROR ||
        row >= symbol->rows)
        return "refused";
    std::string modules;
    for (int x = 0; x < symbol->width; x += step)
        modules += (symbol->encoded_data[row][x >> 3] >> (x & 7)) & 1 ? '1' : '0';
    return modules;
}

// A pattern as modules: the wide two-width elements `wide` modules, as
// libzint draws the symbology (0: as counted), every other element its
// counted modules.
inline std::string patternModules(const std::string& pattern, int wide = 0) {
    std::string modules;
    for (const char c : pattern) {
        const bool isWide = wide != 0 && (c == kWideBar || c == kWideSpace);
        modules.append(static_cast<std::size_t>(isWide ? wide : countedModules(c)),
                       isBar(c) ? '1' : '0');
    }
    return modules;
}

// The encoded symbol as modules, or "refused" when the encoder refused.
inline std::string encodedModules(const EncodeResult& result, int wide = 0) {
    const auto* symbol = std::get_if<LinearSymbol>(&result);
    return symbol == nullptr ? "refused" : patternModules(symbol->pattern, wide);
}

// What an encoder gave: "pattern|text", or "error N" when it refused.
inline std::string outcome(const EncodeResult& result) {
    if (const auto* error = std::get_if<MessageError>(&result))
        return "error " + std::to_string(error->code);
    const auto* symbol = std::get_if<LinearSymbol>(&result);
    return symbol == nullptr ? "no encoder" : symbol->pattern + "|" + symbol->text;
}

// The expected outcome: "error N" when `error` is set, else "pattern|text".
inline std::string expectedOutcome(const std::string& pattern, const std::string& text, int error) {
    return error != 0 ? "error " + std::to_string(error) : pattern + "|" + text;
}

// The check text of a symbol, "-" when the encoder refused.
inline std::string checkTextOf(const EncodeResult& result) {
    const auto* symbol = std::get_if<LinearSymbol>(&result);
    return symbol == nullptr ? "-" : symbol->checkText;
}

// The tables a job of the symbology builds.
inline PatternTables tablesFor(Symbology symbology) {
    Job job;
    job.Symbology = symbology;
    PatternTables tables;
    BuildPatternTables(job, tables);
    return tables;
}

// `n` random digits; a fixed seed gives the same messages every run.
inline std::string randomDigits(std::mt19937& random, std::size_t n) {
    std::string text;
    while (text.size() < n)
        text += static_cast<char>('0' + random() % 10);
    return text;
}

} // namespace vornik::linear::testing
