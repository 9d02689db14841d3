#include "export/raster/jpeg_file.h"

#include "export/raster/colour_reduction.h"
#include "export/raster/output_file.h"
#include "export/raster/pixel_access.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace vornik::exporting {
namespace {

// libjpeg's fatal errors end in a function that must not return; it jumps
// back to encodeJpeg, which turns the message into a value. Warnings and
// trace messages are dropped.
struct JpegContext {
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = "";
    jpeg_error_mgr errors{};
    jpeg_compress_struct info{};
};

void onJpegError(j_common_ptr info) {
    auto* context = static_cast<JpegContext*>(info->client_data);
    (*info->err->format_message)(info, context->message);
    std::longjmp(context->jump, 1);
}

void onJpegMessage(j_common_ptr) {}

// JPEG holds no palette: a 1- or 8-bit picture whose colours are all grey
// is stored as 8-bit greyscale, any other as 24-bit colour.
void fillScanline(const PixelImage& image, int y, bool grey, JSAMPLE* line) {
    for (int x = 0; x < image.width; ++x) {
        const Rgb colour = colourAt(image, x, y);
        if (grey) {
            *line++ = colour.red;
            continue;
        }
        *line++ = colour.red;
        *line++ = colour.green;
        *line++ = colour.blue;
    }
}

void setParameters(jpeg_compress_struct& info, const PixelImage& image,
                   const RasterOptions& options, bool grey) {
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(options.jpegQuality, 1, 100), TRUE);
    // Colour at full resolution: halving it, libjpeg's default, smears the
    // sharp edges of coloured bars.
    for (int component = 0; component < info.num_components; ++component) {
        info.comp_info[component].h_samp_factor = 1;
        info.comp_info[component].v_samp_factor = 1;
    }
    if (image.dotsPerInch > 0) {
        info.density_unit = 1; // dots per inch
        info.X_density =
            static_cast<UINT16>(std::clamp(std::lround(image.dotsPerInch), 1L, 65535L));
        info.Y_density = info.X_density;
    }
}

// Every libjpeg call happens below the jump point, and no object with a
// destructor lives between it and them.
[[nodiscard]] bool encodeJpeg(JpegContext& context, const PixelImage& image,
                              const RasterOptions& options, bool grey, JSAMPLE* line,
                              std::FILE* stream) {
    if (setjmp(context.jump)) {
        jpeg_destroy_compress(&context.info);
        return false;
    }
    context.info.err = jpeg_std_error(&context.errors);
    context.errors.error_exit = onJpegError;
    context.errors.output_message = onJpegMessage;
    context.info.client_data = &context;
    jpeg_create_compress(&context.info);
    jpeg_stdio_dest(&context.info, stream);
    setParameters(context.info, image, options, grey);
    jpeg_start_compress(&context.info, TRUE);
    for (int y = 0; y < image.height; ++y) {
        fillScanline(image, y, grey, line);
        JSAMPROW rows[] = {line};
        jpeg_write_scanlines(&context.info, rows, 1);
    }
    jpeg_finish_compress(&context.info);
    jpeg_destroy_compress(&context.info);
    return true;
}

} // namespace

std::optional<std::string> writeJpegFile(const PixelImage& image, const RasterOptions& options,
                                         const std::filesystem::path& path) {
    const bool grey = image.bitsPerPixel != 24 && isGreyscale(image);
    std::vector<JSAMPLE> line(static_cast<std::size_t>(image.width) * (grey ? 1 : 3));
    OutputFile file(path);
    if (auto reason = file.open())
        return reason;
    JpegContext context;
    if (!encodeJpeg(context, image, options, grey, line.data(), file.stream()))
        return std::ferror(file.stream()) ? systemReason() : std::string(context.message);
    return file.finish();
}

} // namespace vornik::exporting
