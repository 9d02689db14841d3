#include "cli/image_converter_module.h"

#include "cli/module_entry.h"
#include "export/module/raster_module.h"
#include "export/module/wmfconv.h"
#include "export/vector/picture_file.h"

#include <array>
#include <memory>
#include <type_traits>

namespace vornik::cli {
namespace {

// Both modules' entry points take the same arguments.
using EntryPoint = decltype(&vornik_save_bar_code);
static_assert(std::is_same_v<EntryPoint, decltype(&vornik_write_raster_image)>);

std::optional<std::string> writeVector(const ImageConversion& request) {
    auto read = exporting::readPictureFile(request.source);
    if (const auto* failure = std::get_if<std::string>(&read))
        return *failure;
    return exporting::writeVectorFile(request.format, std::get<render::PlaceablePicture>(read),
                                      request.destination);
}

// A converter module, loaded once and kept for the rest of the run.
class ConverterModule {
public:
    ConverterModule(std::filesystem::path file, const char* entryName)
        : file_(std::move(file)), entryName_(entryName) {}

    std::optional<std::string> convert(const ImageConversion& request) {
        if (entry_ == nullptr && !load())
            return "The bar code could not be saved to " + request.destination +
                   ": the image converter " + file_.string() + " could not be loaded (" +
                   loadError_ + ").";
        std::array<char, 1024> error{};
        const int status =
            entry_(request.source.c_str(), request.destination.c_str(), request.BitsPerPixel,
                   request.RasterResolution, request.JpegQuality, request.PngFilter,
                   request.PngInterlace, request.BmpCompression, request.TgaCompression,
                   request.TiffCompression, request.GifCompression, error.data(), error.size());
        if (status == 0)
            return std::nullopt;
        return std::string(error.data());
    }

private:
    bool load() {
        auto entry = moduleEntry(file_, entryName_);
        if (const auto* failure = std::get_if<std::string>(&entry)) {
            loadError_ = *failure;
            return false;
        }
        entry_ = reinterpret_cast<EntryPoint>(std::get<void*>(entry));
        return true;
    }

    std::filesystem::path file_;
    const char* entryName_;
    EntryPoint entry_ = nullptr;
    std::string loadError_;
};

} // namespace

ImageConverter imageConverter(std::filesystem::path programDirectory) {
    auto raster =
        std::make_shared<ConverterModule>(programDirectory / kRasterModuleFile, kRasterEntryPoint);
    auto pdf = std::make_shared<ConverterModule>(programDirectory / kConverterModuleFile,
                                                 kConverterEntryPoint);
    return [raster, pdf](const ImageConversion& request) -> std::optional<std::string> {
        if (isVectorFormat(request.format))
            return writeVector(request);
        if (request.format == ImageFormat::Pdf)
            return pdf->convert(request);
        return raster->convert(request);
    };
}

} // namespace vornik::cli
