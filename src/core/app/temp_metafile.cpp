#include "core/app/temp_metafile.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace vornik {

namespace {

constexpr const char* kPattern = "VKTXXXXXX.tmp";
constexpr int kPatternSuffixLength = 4; // ".tmp"

std::string uniqueTempName() {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::temp_directory_path(error);
    if (error)
        return {};
    std::string name = (directory / kPattern).string();
    const int descriptor = ::mkstemps(name.data(), kPatternSuffixLength);
    if (descriptor < 0)
        return {};
    ::close(descriptor);
    ::unlink(name.c_str());
    return name;
}

} // namespace

std::string makeTempMetafileName(const std::filesystem::path& programDirectory) {
    std::string name = uniqueTempName();
    if (name.empty())
        return (programDirectory / "~vorniktmp.wmf").string();
    name.replace(name.rfind('.') + 1, std::string::npos, "WMF");
    return name;
}

void removeTempMetafile(const std::string& path) noexcept {
    if (path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

} // namespace vornik
