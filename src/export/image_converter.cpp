#include "export/image_converter.h"

#include "export/pdf_file.h"
#include "export/raster_conversion.h"
#include "export/vector/picture_file.h"

namespace vornik::exporting {

std::optional<std::string> convertImage(const ImageConversion& request) {
    auto read = readPictureFile(request.source);
    if (const auto* failure = std::get_if<std::string>(&read))
        return *failure;
    const auto& picture = std::get<render::PlaceablePicture>(read);
    if (isVectorFormat(request.format))
        return writeVectorFile(request.format, picture, request.destination);
    if (request.format == ImageFormat::Pdf)
        return writePdfFile(picture, request.destination);
    return writeRasterImage(request, picture);
}

} // namespace vornik::exporting
