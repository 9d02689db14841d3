#pragma once

#include "core/batch/read_back_verdict.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vornik::cli {

// What reading a symbol back from a file gave.
using ReadBackResult = batch::ReadBackResult;

// Reads the symbol of FORMAT in FILE; PURE for a lone symbol.
using ReadBack =
    std::function<ReadBackResult(const std::string& file, const std::string& format, bool pure)>;

// The read-back module beside the program, loaded at the first call. A
// module that cannot be loaded makes every call Unreadable, saying why.
// Vector files are first drawn as a raster by an outside program (see
// vector_rasteriser.h) in a private folder.
[[nodiscard]] ReadBack readBackModule(std::filesystem::path programDirectory);

} // namespace vornik::cli

namespace vornik::cli {

// Why the read-back module beside the program cannot be loaded, or nothing.
[[nodiscard]] std::optional<std::string>
readBackProblem(const std::filesystem::path& programDirectory);

// The same, as a sentence of its own for where no --verify was asked for:
// "the read-back module FILE could not be loaded (why)".
[[nodiscard]] std::optional<std::string>
readBackModuleProblem(const std::filesystem::path& programDirectory);

} // namespace vornik::cli
