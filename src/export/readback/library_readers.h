#pragma once

#include "export/readback/grey_image.h"

namespace vornik::exporting {

// Readers of the formats that have a library of their own.
[[nodiscard]] std::variant<GreyImage, std::string> readPng(const std::string& path);
[[nodiscard]] std::variant<GreyImage, std::string> readJpeg(const std::string& path);
[[nodiscard]] std::variant<GreyImage, std::string> readTiff(const std::string& path);
[[nodiscard]] std::variant<GreyImage, std::string> readGif(const std::string& path);

// Readers of our own for the simple formats, from the file's bytes.
[[nodiscard]] std::variant<GreyImage, std::string> readBmp(const std::string& bytes);
[[nodiscard]] std::variant<GreyImage, std::string> readTga(const std::string& bytes);
[[nodiscard]] std::variant<GreyImage, std::string> readPcx(const std::string& bytes);

} // namespace vornik::exporting
