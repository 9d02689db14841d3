// The image converter as a loadable module. The headless program loads it
// only when it writes a PDF, so that everything else runs without Qt.

#include "export/module/wmfconv.h"

#include "export/image_converter.h"
#include "export/module/module_arguments.h"
#include "export/module/module_support.h"

namespace {

// Qt draws the PDF page, so its application object must stand first.
std::optional<std::string> convertWithQt(const vornik::ImageConversion& request) {
    vornik::exporting::ensureGuiApplication();
    return vornik::exporting::convertImage(request);
}

} // namespace

extern "C" int vornik_save_bar_code(const char* source, const char* destination,
                                    std::int32_t bitsPerPixel, std::int32_t rasterResolution,
                                    std::int32_t jpegQuality, std::int32_t pngFilter,
                                    std::int32_t pngInterlace, std::int32_t bmpCompression,
                                    std::int32_t tgaCompression, std::int32_t tiffCompression,
                                    std::int32_t gifCompression, char* error,
                                    std::size_t errorSize) {
    return vornik::exporting::runConversion(convertWithQt, source, destination,
                                            {bitsPerPixel, rasterResolution, jpegQuality, pngFilter,
                                             pngInterlace, bmpCompression, tgaCompression,
                                             tiffCompression, gifCompression},
                                            error, errorSize);
}
