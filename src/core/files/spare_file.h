#pragma once

#include "core/files/interrupt_cleanup.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::files {

// A file replaced by a safe save leaves its old version behind, swapped out
// of the way. Deleting it and creating a fresh file for the next save makes
// ext4 look for a free inode past every one deleted lately, and over a run of
// thousands of labels that search costs more than the labels themselves. So
// the old version is kept as the spare, and the next save in the same folder
// writes its new content into it instead: a run of saves then moves the same
// two files back and forth. There is at most one spare; it is removed when
// a save elsewhere wants none of it, when the program ends and when it is
// interrupted.
struct SpareFile {
    std::string path;
    RemovalOnInterrupt cleanup;
};

// The spare, when it lies in FOLDER; a spare elsewhere is removed.
[[nodiscard]] std::optional<SpareFile> takeSpareFile(const std::filesystem::path& folder);

// Keeps SPARE for the next save in its folder.
void keepSpareFile(SpareFile spare);

// Removes the spare, if there is one.
void removeSpareFile() noexcept;

} // namespace vornik::files
