#include "export/raster/output_file.h"

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

std::optional<std::string> OutputFile::open(const char* mode) {
    errno = 0;
    stream_ = std::fopen(path_.c_str(), mode);
    if (stream_ == nullptr)
        return systemReason();
    opened_ = true;
    return std::nullopt;
}

std::optional<std::string> OutputFile::finish() {
    errno = 0;
    const bool flushed = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!flushed || !closed)
        return systemReason();
    finished_ = true;
    return std::nullopt;
}

std::optional<std::string> writeWholeFile(const std::filesystem::path& path,
                                          std::span<const std::uint8_t> bytes) {
    OutputFile file(path);
    if (auto reason = file.open())
        return reason;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.stream()) != bytes.size())
        return systemReason();
    return file.finish();
}

} // namespace vornik::exporting
