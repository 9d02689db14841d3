#pragma once

#include <filesystem>
#include <string>

namespace vornik {

// A unique name for this run's temporary metafile: "VKT" and a unique part
// in the temporary directory, with the extension ".WMF". The name is reserved
// by creating the file and then freed again, as the builds write it later.
// When no unique name can be had, the fixed name "~vorniktmp.wmf" in the
// program's directory is used.
[[nodiscard]] std::string makeTempMetafileName(const std::filesystem::path& programDirectory);

// Removes the temporary metafile; a missing file or any error is ignored.
void removeTempMetafile(const std::string& path) noexcept;

} // namespace vornik
