#pragma once

// Reads the symbol in a PNG file the way a user's scanner app would: libpng
// decodes the file as written, ZXing reads it on a light page.

#include <ZXing/ReadBarcode.h>
#include <filesystem>
#include <png.h>
#include <string>
#include <vector>

namespace vornik::cli {

// What ZXing reads in the PNG file (FORMAT only, rotations tried), or
// "(no image)" / "(nothing read)".
inline std::string readPngSymbol(const std::filesystem::path& file, ZXing::BarcodeFormat format) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, file.c_str()))
        return "(no image)";
    png.format = PNG_FORMAT_GRAY;
    const int margin = 40;
    const int width = static_cast<int>(png.width) + 2 * margin;
    const int height = static_cast<int>(png.height) + 2 * margin;
    std::vector<std::uint8_t> page(static_cast<std::size_t>(width) * height, 255);
    const std::ptrdiff_t start = static_cast<std::ptrdiff_t>(margin) * width + margin;
    if (!png_image_finish_read(&png, nullptr, page.data() + start, width, nullptr))
        return "(no image)";
    const ZXing::ImageView view(page.data(), width, height, ZXing::ImageFormat::Lum);
    const auto hints = ZXing::DecodeHints().setFormats(format).setTryRotate(true).setEanAddOnSymbol(
        ZXing::EanAddOnSymbol::Read);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : "(nothing read)";
}

} // namespace vornik::cli
