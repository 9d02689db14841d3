#pragma once

#include <optional>
#include <string>
#include <variant>

namespace vornik::cli {

// A vector file cannot be read back without its outside program.
struct NoRasteriser {
    std::string reason;
};

// Draws the vector file FILE (EPS, PDF, SVG or a placeable metafile, by its
// extension) as the PNG file PNG with an outside program that reads the
// format on its own: Ghostscript for EPS and PDF, rsvg-convert for SVG,
// wmf2gd (libwmf) for metafiles. Nothing when the PNG was drawn; NoRasteriser
// when the program is not installed; a sentence when it failed.
[[nodiscard]] std::optional<std::variant<NoRasteriser, std::string>>
rasteriseVector(const std::string& file, const std::string& png);

// Whether FILE is one rasteriseVector draws.
[[nodiscard]] bool isVectorFile(const std::string& file);

} // namespace vornik::cli
