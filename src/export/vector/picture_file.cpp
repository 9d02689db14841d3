#include "export/vector/picture_file.h"

#include "core/files/rewrite_in_place.h"
#include "export/vector/eps_writer.h"
#include "export/vector/svg_writer.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace vornik::exporting {
namespace {

// Larger than any picture the program draws (a record holds at most 32767
// text bytes) by far; a bigger file is not one of ours.
constexpr std::uintmax_t kLargestPicture = 64u * 1024 * 1024;

std::string systemReason() {
    return std::strerror(errno);
}

} // namespace

std::variant<render::PlaceablePicture, std::string>
readPictureFile(const std::filesystem::path& path) {
    const std::string name = path.string();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return "The picture " + name + " could not be read: " + error.message() + ".";
    if (size > kLargestPicture)
        return "The picture " + name + " could not be read: it is too large to be a metafile.";
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "The picture " + name + " could not be read: " + systemReason() + ".";
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    auto picture = render::readPlaceableWmf(bytes);
    if (const auto* failure = std::get_if<render::WmfReadError>(&picture))
        return "The picture " + name + " is not a placeable metafile: " + failure->message + ".";
    return std::get<render::PlaceablePicture>(std::move(picture));
}

std::string notWrittenText(const std::filesystem::path& path, std::string_view why) {
    return "The file " + path.string() + " could not be written: " + std::string(why) + ".";
}

std::optional<std::string> writeWholeFile(const std::filesystem::path& path,
                                          std::string_view contents) {
    if (const auto why = files::writeWholeFileInPlace(path, contents))
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
