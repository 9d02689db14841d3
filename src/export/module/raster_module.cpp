// The raster writers as a loadable module, so that the headless program
// loads them, their image libraries, FreeType and fontconfig only when it
// writes a raster image: every other run starts without them.

#include "export/module/raster_module.h"

#include "export/allocator_tuning.h"
#include "export/module/module_arguments.h"
#include "export/raster_conversion.h"
#include "export/vector/picture_file.h"

namespace {

std::optional<std::string> writeRaster(const vornik::ImageConversion& request) {
    static const bool tuned = [] {
        vornik::exporting::keepLargeBuffersInHeap();
        return true;
    }();
    (void)tuned;
    if (vornik::isVectorFormat(request.format) || request.format == vornik::ImageFormat::Pdf)
        return "The file " + request.destination +
               " could not be written: the raster module writes raster images only.";
    auto read = vornik::exporting::readPictureFile(request.source);
    if (const auto* failure = std::get_if<std::string>(&read))
        return *failure;
    return vornik::exporting::writeRasterImage(request,
                                               std::get<vornik::render::PlaceablePicture>(read));
}

} // namespace

extern "C" int vornik_write_raster_image(const char* source, const char* destination,
                                         std::int32_t bitsPerPixel, std::int32_t rasterResolution,
                                         std::int32_t jpegQuality, std::int32_t pngFilter,
                                         std::int32_t pngInterlace, std::int32_t bmpCompression,
                                         std::int32_t tgaCompression, std::int32_t tiffCompression,
                                         std::int32_t gifCompression, char* error,
                                         std::size_t errorSize) {
    return vornik::exporting::runConversion(writeRaster, source, destination,
                                            {bitsPerPixel, rasterResolution, jpegQuality, pngFilter,
                                             pngInterlace, bmpCompression, tgaCompression,
                                             tiffCompression, gifCompression},
                                            error, errorSize);
}
