#include "core/app/temp_metafile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace vornik {

namespace {

namespace fs = std::filesystem;

struct Place {
    std::string folder;
    std::string file;
};

// A folder made from PATTERN (ending in XXXXXX) with permissions for its
// owner alone, and the file in it reserved by creating it exclusively.
std::optional<Place> makePrivatePlace(const fs::path& pattern, const std::string& fileName,
                                      int& error) {
    std::string folder = pattern.string();
    if (::mkdtemp(folder.data()) == nullptr) {
        error = errno;
        return std::nullopt;
    }
    const std::string name =
        fileName.empty() ? fs::path(folder).filename().string() + ".WMF" : fileName;
    const std::string file = (fs::path(folder) / name).string();
    const int descriptor =
        ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        error = errno;
        ::rmdir(folder.c_str());
        return std::nullopt;
    }
    ::close(descriptor);
    return Place{folder, file};
}

} // namespace

TempMetafile& TempMetafile::operator=(TempMetafile&& other) noexcept {
    if (this != &other) {
        remove();
        folder_ = std::move(other.folder_);
        path_ = std::move(other.path_);
        failure_ = std::move(other.failure_);
        folderCleanup_ = std::move(other.folderCleanup_);
        fileCleanup_ = std::move(other.fileCleanup_);
        other.folder_.clear();
        other.path_.clear();
    }
    return *this;
}

TempMetafile TempMetafile::make(const fs::path& programDirectory) {
    int error = 0;
    std::error_code noTemp;
    const fs::path temporary = fs::temp_directory_path(noTemp);
    std::optional<Place> place;
    if (!noTemp)
        place = makePrivatePlace(temporary / "VKTXXXXXX", {}, error);
    if (!place)
        place = makePrivatePlace(programDirectory / "~vorniktmpXXXXXX", "~vorniktmp.wmf", error);
    TempMetafile made;
    if (!place) {
        made.failure_ = "no private folder could be made in the temporary directory or beside "
                        "the program: " +
                        std::string(std::strerror(error));
        return made;
    }
    made.folder_ = place->folder;
    made.path_ = place->file;
    made.folderCleanup_ = files::RemovalOnInterrupt(made.folder_);
    made.fileCleanup_ = files::RemovalOnInterrupt(made.path_);
    return made;
}

void TempMetafile::remove() noexcept {
    if (!path_.empty())
        ::unlink(path_.c_str());
    if (!folder_.empty())
        ::rmdir(folder_.c_str());
    fileCleanup_.release();
    folderCleanup_.release();
    path_.clear();
    folder_.clear();
}

} // namespace vornik
