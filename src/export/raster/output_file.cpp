#include "export/raster/output_file.h"

#include "core/files/rewrite_in_place.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace vornik::exporting {

std::string systemReason() {
    return errno != 0 ? std::strerror(errno) : "the data did not reach the disk";
}

OutputFile::~OutputFile() {
    if (stream_ != nullptr)
        std::fclose(stream_);
    if (opened_ && !finished_) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(path_, ignored))
            std::filesystem::remove(path_, ignored);
    }
}

std::optional<std::string> OutputFile::open(Access access) {
    errno = 0;
    inPlace_ = access == Access::Sequential;
    stream_ = inPlace_ ? files::openInPlace(path_) : std::fopen(path_.c_str(), "w+b");
    if (stream_ == nullptr)
        return systemReason();
    opened_ = true;
    return std::nullopt;
}

std::optional<std::string> OutputFile::finish() {
    errno = 0;
    bool written = false;
    if (inPlace_) {
        written = files::closeInPlace(stream_);
    } else {
        const bool flushed = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
        written = std::fclose(stream_) == 0 && flushed;
    }
    stream_ = nullptr;
    if (!written)
        return systemReason();
    finished_ = true;
    return std::nullopt;
}

std::optional<std::string> writeWholeFile(const std::filesystem::path& path,
                                          std::span<const std::uint8_t> bytes) {
    return files::writeWholeFileInPlace(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace vornik::exporting
