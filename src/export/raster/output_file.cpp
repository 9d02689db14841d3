#include "export/raster/output_file.h"

#include <cerrno>
#include <cstring>

namespace vornik::exporting {

std::string systemReason() {
    return errno != 0 ? std::strerror(errno) : "the data did not reach the disk";
}

std::optional<std::string> writeWholeFile(const std::filesystem::path& path,
                                          std::span<const std::uint8_t> bytes) {
    return files::saveWholeFile(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace vornik::exporting
