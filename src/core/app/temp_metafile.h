#pragma once

#include "core/files/interrupt_cleanup.h"

#include <filesystem>
#include <string>

namespace vornik {

// This run's temporary metafile, which every build writes and every save
// reads. It lives in a folder of its own that only this user may enter, made
// afresh for each run in the temporary directory ("VKT" and a unique part,
// the file named as the folder with ".WMF"), so that no other user can read
// it, replace it or plant a link under its name. When the temporary
// directory takes no folder, one named "~vorniktmp" and a unique part is
// made in the program's directory, holding "~vorniktmp.wmf". Both are removed
// when the run ends, also when it is interrupted.
class TempMetafile {
public:
    TempMetafile() = default;
    ~TempMetafile() { remove(); }
    TempMetafile(TempMetafile&& other) noexcept { *this = std::move(other); }
    TempMetafile& operator=(TempMetafile&& other) noexcept;
    TempMetafile(const TempMetafile&) = delete;
    TempMetafile& operator=(const TempMetafile&) = delete;

    // Makes the private folder and reserves the file in it.
    [[nodiscard]] static TempMetafile make(const std::filesystem::path& programDirectory);

    // The file's name; empty when no folder could be made anywhere.
    [[nodiscard]] const std::string& path() const { return path_; }
    // Why no folder could be made, when path() is empty.
    [[nodiscard]] const std::string& failure() const { return failure_; }

    // Removes the file and its folder; errors are ignored.
    void remove() noexcept;

private:
    std::string folder_;
    std::string path_;
    std::string failure_;
    files::RemovalOnInterrupt folderCleanup_;
    files::RemovalOnInterrupt fileCleanup_;
};

} // namespace vornik
