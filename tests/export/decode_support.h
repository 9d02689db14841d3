#pragma once

// Reading back what we draw: the temporary placeable metafile of a build,
// rendered by the player and decoded by ZXing.

#include "core/render/placeable_wmf.h"
#include "export/export_support.h"
#include "export/player.h"
#include "support/command_session.h"

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace vornik::exporting {

// The picture as the temporary file holds it, rendered at `dpi`; null when
// the file is no placeable metafile.
inline QImage renderTemporaryFile(const std::string& path, double dpi) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto read = render::readPlaceableWmf(bytes);
    if (!std::holds_alternative<render::PlaceablePicture>(read))
        return {};
    const auto& picture = std::get<render::PlaceablePicture>(read);
    return renderToImage(picture.metafile, picture.xExtent, picture.yExtent, dpi);
}

// A symbol to build and what ZXing should read from it.
struct DecodeCase {
    const char* name;
    const char* commands;
    ZXing::BarcodeFormat format;
    const char* expected;
};

// The reader for one format, trying rotations, keeping the Codabar start and
// stop letters and reading Code 39 as Full ASCII.
inline ZXing::DecodeHints readerFor(ZXing::BarcodeFormat format) {
    return ZXing::DecodeHints()
        .setFormats(format)
        .setTryRotate(true)
        .setReturnCodabarStartEnd(true)
        .setTryCode39ExtendedMode(true);
}

// The commands built (warnings off) into the temporary file, rendered at `dpi`
// on a white page and read with `hints`; "(not built)", "(no picture)" or "(nothing read)"
// when that fails. `prepare` may set job fields no command reaches.
// The symbology identifier lands in `identifier` when one is asked for.
inline std::string buildAndDecodeJob(const std::string& commands,
                                     const std::function<void(Job&)>& prepare,
                                     const ZXing::DecodeHints& hints, double dpi = 300,
                                     std::string* identifier = nullptr) {
    vornik::testing::CommandSession session;
    session.run("[PRINTWARNINGS=OFF][MESSAGEWARNINGS=OFF]");
    if (!session.run(commands))
        return "(not built)";
    if (prepare)
        prepare(session.job());
    if (!session.run("[BUILD/COPY]") || !session.state().SymbolBuilt)
        return "(not built)";
    const QImage symbol = renderTemporaryFile(session.state().TempMetafilePath, dpi);
    if (symbol.isNull())
        return "(no picture)";
    // A quarter inch of margin.
    const ZXing::Result result = readImage(symbol, hints, static_cast<int>(dpi / 4));
    if (identifier)
        *identifier = result.symbologyIdentifier();
    return result.isValid() ? result.text() : "(nothing read)";
}

inline std::string buildAndDecode(const std::string& commands, const ZXing::DecodeHints& hints,
                                  double dpi = 300, std::string* identifier = nullptr) {
    return buildAndDecodeJob(commands, {}, hints, dpi, identifier);
}

} // namespace vornik::exporting
