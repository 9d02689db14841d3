#include "export/printing/private_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace vornik::printing {

std::variant<PrivateFolder, std::string> PrivateFolder::make() {
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (error)
        return "there is no temporary folder (" + error.message() + ")";
    // mkdtemp makes the folder with mode 0700 and fails rather than reuse a name.
    std::string pattern = (temporary / "vornik-print-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        return "no private folder could be made in " + temporary.string() + " (" +
               std::strerror(errno) + ")";
    return PrivateFolder(pattern);
}

PrivateFolder::~PrivateFolder() {
    if (path_.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace vornik::printing
