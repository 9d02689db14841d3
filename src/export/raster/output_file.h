#pragma once

#include "core/files/safe_output.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace vornik::exporting {

// The file a raster writer writes: it replaces the destination only once it
// is finished, so a writer that fails (a full disk, a size limit) leaves the
// old file of that name as it was and nothing half-written beside it.
class OutputFile {
public:
    explicit OutputFile(std::filesystem::path path) : output_(std::move(path)) {}

    // Prepares the file; the reason when it cannot be written.
    [[nodiscard]] std::optional<std::string> open() { return output_.open(); }
    // Open for reading too: a writer may seek back and read what it wrote.
    [[nodiscard]] std::FILE* stream() const { return output_.stream(); }
    // Makes what was written the destination's content; the reason when
    // the data did not all reach it.
    [[nodiscard]] std::optional<std::string> finish() { return output_.commit(); }

private:
    files::SafeOutput output_;
};

// Writes BYTES as the whole content of PATH; the reason when it cannot.
[[nodiscard]] std::optional<std::string> writeWholeFile(const std::filesystem::path& path,
                                                        std::span<const std::uint8_t> bytes);

// The system's description of the last failed call (errno), or a general
// one when it left none.
[[nodiscard]] std::string systemReason();

} // namespace vornik::exporting
