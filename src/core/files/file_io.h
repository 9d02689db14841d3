#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vornik::files {

// The bytes of a whole file, or why they could not be had.
struct FileBytes {
    std::string bytes;
    std::string error;     // empty when the file was read
    bool missing = false;  // there is no file of that name (error says so too)
    bool tooLarge = false; // longer than the limit asked for; bytes left empty
};

// Reads a whole file as bytes, nothing converted. Only a regular file is
// read: a pipe, a device or a folder is refused with the reason, never
// waited on. A file longer than maxBytes is not read at all, so a huge file
// costs nothing.
[[nodiscard]] FileBytes readWholeFile(const std::string& path, std::size_t maxBytes);

// Replaces a document the user keeps (a configuration, a bar pattern file)
// with BYTES in one step, as SafeOutput does, forced out to the disk: a
// failed write leaves the old file as it was. The reason on failure, nullopt
// on success.
[[nodiscard]] std::optional<std::string> replaceFile(const std::string& path,
                                                     std::string_view bytes);

// A file operation that failed, in the words the user is shown.
[[nodiscard]] std::string fileFailureText(std::string_view path, std::string_view reason);

} // namespace vornik::files
