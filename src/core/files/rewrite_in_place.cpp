#include "core/files/rewrite_in_place.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vornik::files {

namespace {

std::FILE* openInPlace(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return nullptr;
    std::FILE* stream = ::fdopen(descriptor, "wb");
    if (stream == nullptr) {
        const int reason = errno;
        ::close(descriptor);
        errno = reason;
    }
    return stream;
}

bool closeInPlace(std::FILE* stream) {
    bool written = std::fflush(stream) == 0 && std::ferror(stream) == 0;
    const int descriptor = ::fileno(stream);
    struct stat status {};
    if (written && ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        const off_t end = ::ftello(stream);
        written = end >= 0 && (end == status.st_size || ::ftruncate(descriptor, end) == 0);
    }
    const int reason = errno;
    const bool closed = std::fclose(stream) == 0;
    if (!written)
        errno = reason;
    return written && closed;
}

} // namespace

std::optional<std::string> writeWholeFileInPlace(const std::filesystem::path& path,
                                                 std::string_view bytes) {
    errno = 0;
    std::FILE* stream = openInPlace(path);
    if (stream == nullptr)
        return std::strerror(errno);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
    const int reason = errno;
    if (closeInPlace(stream) && written)
        return std::nullopt;
    const std::string why = std::strerror(written ? errno : reason);
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored)) // never a device such as /dev/full
        std::filesystem::remove(path, ignored);
    return why;
}

} // namespace vornik::files
