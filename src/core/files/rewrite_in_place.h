#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vornik::files {

// Writes BYTES as the whole content of PATH in place: the file is opened
// without first being cut to nothing (and created, private to its owner, when
// missing), written from its start and then cut where the new content ends.
// ext4 writes a file out at once when it is closed after being cut to
// nothing, and for the temporary metafile that every build rewrites that
// costs more than drawing the label. Only for a file private to this run: a
// failed write leaves it cut off (a regular file is then removed, so that
// nothing half-written is left), and a link at PATH is refused. The system's
// reason on failure.
[[nodiscard]] std::optional<std::string> writeWholeFileInPlace(const std::filesystem::path& path,
                                                               std::string_view bytes);

} // namespace vornik::files
