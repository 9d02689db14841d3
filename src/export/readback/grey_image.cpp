#include "export/readback/grey_image.h"

#include "export/readback/library_readers.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vornik::exporting {

namespace {

// BMP and TGA files of a label are small; anything larger is no label.
constexpr std::streamsize kLargestSimpleFile = 512LL << 20;

std::string lowerExtension(const std::string& path) {
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string extension = path.substr(dot + 1);
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::variant<std::string, std::string> wholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "it cannot be opened");
    const std::streamsize size = in.tellg();
    if (size < 0 || size > kLargestSimpleFile)
        return std::variant<std::string, std::string>(std::in_place_index<1>, "it is too large");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    in.read(bytes.data(), size);
    return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(bytes));
}

} // namespace

std::variant<GreyImage, std::string> readGreyImage(const std::string& path) {
    const std::string extension = lowerExtension(path);
    if (extension == "png")
        return readPng(path);
    if (extension == "jpg" || extension == "jpeg")
        return readJpeg(path);
    if (extension == "tif" || extension == "tiff")
        return readTiff(path);
    if (extension == "gif")
        return readGif(path);
    if (extension != "bmp" && extension != "tga" && extension != "pcx")
        return std::string("files of this kind cannot be read back yet");
    auto bytes = wholeFile(path);
    if (bytes.index() == 1)
        return std::get<1>(bytes);
    if (extension == "bmp")
        return readBmp(std::get<0>(bytes));
    return extension == "tga" ? readTga(std::get<0>(bytes)) : readPcx(std::get<0>(bytes));
}

} // namespace vornik::exporting
