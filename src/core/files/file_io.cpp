#include "core/files/file_io.h"

#include "core/files/safe_output.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vornik::files {

namespace {

bool holdsNul(const std::string& path) {
    return path.find('\0') != std::string::npos;
}

// Why a file of this kind cannot be read as a document.
std::string notAFileReason(mode_t mode) {
    if (S_ISDIR(mode))
        return "it is a folder";
    if (S_ISFIFO(mode))
        return "it is a pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    return "it is not a regular file";
}

// Fills BYTES from the open file's start.
bool readExactly(int descriptor, std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::read(descriptor, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

} // namespace

// Opened without blocking, so that a pipe or a device never stalls the run;
// only a regular file is read.
FileBytes readWholeFile(const std::string& path, std::size_t maxBytes) {
    FileBytes result;
    if (holdsNul(path)) {
        result.error = "the file name holds a NUL character";
        return result;
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        result.missing = errno == ENOENT;
        result.error = std::strerror(errno);
        return result;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        result.error = std::strerror(errno);
    else if (!S_ISREG(status.st_mode))
        result.error = notAFileReason(status.st_mode);
    else if (static_cast<std::uintmax_t>(status.st_size) > maxBytes)
        result.tooLarge = true;
    if (result.error.empty() && !result.tooLarge) {
        result.bytes.resize(static_cast<std::size_t>(status.st_size));
        if (!readExactly(descriptor, result.bytes)) {
            result.bytes.clear();
            result.error = "it could not be read to its end";
        }
    }
    ::close(descriptor);
    return result;
}

std::optional<std::string> replaceFile(const std::string& path, std::string_view bytes) {
    return saveWholeFile(path, bytes, Durability::Synced);
}

std::string fileFailureText(std::string_view path, std::string_view reason) {
    return "File: " + std::string(path) + " could not be used: " + std::string(reason) + ".";
}

} // namespace vornik::files
