#include "export/vector/picture_file.h"

#include "core/files/file_io.h"
#include "core/files/safe_output.h"
#include "export/vector/eps_writer.h"
#include "export/vector/svg_writer.h"

#include <span>

namespace vornik::exporting {
namespace {

// Larger than any picture the program draws (a record holds at most 32767
// text bytes) by far; a bigger file is not one of ours.
constexpr std::size_t kLargestPicture = 64u * 1024 * 1024;

} // namespace

std::variant<render::PlaceablePicture, std::string>
readPictureFile(const std::filesystem::path& path) {
    const std::string name = path.string();
    files::FileBytes file = files::readWholeFile(name, kLargestPicture);
    if (file.tooLarge)
        return "The picture " + name + " could not be read: it is too large to be a metafile.";
    if (!file.error.empty())
        return "The picture " + name + " could not be read: " + file.error + ".";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
    auto picture = render::readPlaceableWmf(std::span(bytes, file.bytes.size()));
    if (const auto* failure = std::get_if<render::WmfReadError>(&picture))
        return "The picture " + name + " is not a placeable metafile: " + failure->message + ".";
    return std::get<render::PlaceablePicture>(std::move(picture));
}

std::string notWrittenText(const std::filesystem::path& path, std::string_view why) {
    return "The file " + path.string() + " could not be written: " + std::string(why) + ".";
}

std::optional<std::string> writeWholeFile(const std::filesystem::path& path,
                                          std::string_view contents) {
    if (const auto why = files::saveWholeFile(path, contents))
        return notWrittenText(path, *why);
    return std::nullopt;
}

std::optional<std::string> writeVectorFile(ImageFormat format,
                                           const render::PlaceablePicture& picture,
                                           const std::filesystem::path& path) {
    if (format == ImageFormat::Svg)
        return writeWholeFile(path, svgDocument(picture));
    if (format == ImageFormat::Eps)
        return writeWholeFile(path, epsDocument(picture));
    return notWrittenText(path, "it is not a vector format");
}

} // namespace vornik::exporting
