#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vornik::files {

// Opens a file for writing from its start, creating it when it is missing,
// without first cutting it to nothing; closeInPlace cuts off whatever old
// bytes lie past the new end. The result is the same file with the new
// content, but ext4 writes a file out at once when it is closed after being
// cut to nothing, and for a run of labels that costs more than drawing them.
// The writer must write sequentially. Null, with errno set, when the file
// cannot be opened.
[[nodiscard]] std::FILE* openInPlace(const std::filesystem::path& path);

// Flushes the stream, cuts the file where the writing stopped (a regular file
// only: a pipe or device has no length) and closes it. False, with errno
// set, when the data did not all reach the file; the stream is closed either
// way.
[[nodiscard]] bool closeInPlace(std::FILE* stream);

// Writes BYTES as the whole content of PATH, in place. On failure a regular
// file is removed, so that nothing half-written is left, and the system's
// reason is returned.
[[nodiscard]] std::optional<std::string> writeWholeFileInPlace(const std::filesystem::path& path,
                                                               std::string_view bytes);

} // namespace vornik::files
