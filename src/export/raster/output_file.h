#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace vornik::exporting {

// A file opened for writing that is removed again unless it is finished:
// a writer that fails leaves nothing half-written behind. A file that could
// not be opened is never removed (it may be someone else's).
class OutputFile {
public:
    explicit OutputFile(std::filesystem::path path) : path_(std::move(path)) {}
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // How the writer goes through the file: from start to end, or also
    // seeking back and reading what it wrote.
    enum class Access { Sequential, Random };

    // Creates the file or opens it to be written over; the reason when it
    // cannot. A file written sequentially is rewritten in place.
    [[nodiscard]] std::optional<std::string> open(Access access = Access::Sequential);
    [[nodiscard]] std::FILE* stream() const { return stream_; }
    // Flushes and closes the file and keeps it; the reason when the data
    // did not reach it.
    [[nodiscard]] std::optional<std::string> finish();

private:
    std::filesystem::path path_;
    std::FILE* stream_ = nullptr;
    bool inPlace_ = false;
    bool opened_ = false;
    bool finished_ = false;
};

// Writes BYTES as the whole content of PATH; the reason when it cannot.
[[nodiscard]] std::optional<std::string> writeWholeFile(const std::filesystem::path& path,
                                                        std::span<const std::uint8_t> bytes);

// The system's description of the last failed call (errno), or a general
// one when it left none.
[[nodiscard]] std::string systemReason();

} // namespace vornik::exporting
