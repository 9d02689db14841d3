#include "core/files/safe_output.h"

#include "core/files/interrupt_cleanup.h"
#include "core/files/spare_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vornik::files {

namespace {

namespace fs = std::filesystem;

// Links are followed at most this often, as the system itself does.
constexpr int kMostLinks = 40;
// A file written in place keeps a copy of its old bytes; a larger one is
// not written in place at all.
constexpr std::size_t kLargestKeptCopy = 256u << 20;

std::string reasonOf(int error) {
    return error != 0 ? std::strerror(error) : "the data did not reach the file";
}

// The permissions a new file gets: everything the umask leaves of rw-rw-rw-.
mode_t newFileMode() {
    static const mode_t mask = [] {
        const mode_t current = ::umask(022);
        ::umask(current);
        return current;
    }();
    return 0666 & ~mask;
}

struct Resolved {
    fs::path path;
    std::optional<struct stat> status; // nullopt when nothing is there yet
    int error = 0;
};

// PATH with every link followed to the name that really holds the file; the
// last name may not exist yet (a link to a file still to be made).
Resolved followLinks(fs::path path) {
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0)
            return {path, std::nullopt, errno == ENOENT ? 0 : errno};
        if (!S_ISLNK(status.st_mode))
            return {path, status, 0};
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target - 1);
        if (length < 0)
            return {path, std::nullopt, errno};
        const fs::path next(std::string(target, static_cast<std::size_t>(length)));
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return {path, std::nullopt, ELOOP};
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(descriptor, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// The whole content of an open file, or nullopt (errno set) when it cannot be
// read or is too large to keep.
std::optional<std::string> readAll(int descriptor, off_t size) {
    if (size < 0 || static_cast<std::uint64_t>(size) > kLargestKeptCopy) {
        errno = EFBIG;
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count =
            ::pread(descriptor, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return std::nullopt;
        done += static_cast<std::size_t>(count);
    }
    return bytes;
}

// The fresh file takes the old one's owner and permissions. Owner first:
// changing it clears the set-id bits that the permissions then put back.
void copyOwnership(int descriptor, const std::optional<struct stat>& old) {
    if (!old) {
        ::fchmod(descriptor, newFileMode());
        return;
    }
    if (old->st_uid != ::geteuid() || old->st_gid != ::getegid())
        (void)::fchown(descriptor, old->st_uid, old->st_gid); // not ours to give: kept as made
    ::fchmod(descriptor, old->st_mode & 07777);
}

std::FILE* streamOf(int descriptor, const char* mode) {
    std::FILE* stream = ::fdopen(descriptor, mode);
    if (stream == nullptr) {
        const int reason = errno;
        ::close(descriptor);
        errno = reason;
    }
    return stream;
}

// Cuts a file that was written over without being emptied first where the
// new content ends.
bool cutWhereWritingStopped(std::FILE* stream) {
    const int descriptor = ::fileno(stream);
    const off_t end = ::ftello(stream);
    struct stat status {};
    if (end < 0 || ::fstat(descriptor, &status) != 0)
        return false;
    return status.st_size == end || ::ftruncate(descriptor, end) == 0;
}

// Flushes and closes STREAM; false, with errno set, when any byte did not
// reach the file.
bool closeWritten(std::FILE* stream, Durability durability, bool cutToLength) {
    errno = 0;
    bool written = std::fflush(stream) == 0 && std::ferror(stream) == 0;
    if (written && cutToLength)
        written = cutWhereWritingStopped(stream);
    if (written && durability == Durability::Synced)
        written = ::fsync(::fileno(stream)) == 0;
    const int reason = errno;
    const bool closed = std::fclose(stream) == 0;
    if (!written)
        errno = reason;
    return written && closed;
}

} // namespace

SafeOutput::SafeOutput(fs::path path, Durability durability)
    : requested_(std::move(path)), durability_(durability) {}

SafeOutput::~SafeOutput() {
    if (!committed_)
        discard();
}

std::optional<std::string> SafeOutput::open() {
    if (requested_.empty())
        return "no file name was given";
    if (requested_.native().find('\0') != std::string::npos)
        return "the file name holds a NUL character";
    const Resolved resolved = followLinks(requested_);
    if (resolved.error != 0)
        return reasonOf(resolved.error);
    target_ = resolved.path;
    if (!resolved.status)
        return openReplacement(std::nullopt);
    const mode_t kind = resolved.status->st_mode;
    if (S_ISREG(kind))
        return openReplacement(resolved.status);
    if (S_ISCHR(kind) || S_ISFIFO(kind))
        return openDevice();
    return S_ISDIR(kind) ? "it is a folder" : "it is not a regular file";
}

std::optional<std::string> SafeOutput::openReplacement(const std::optional<struct stat>& old) {
    // A run of labels swaps files with a spare; a document saved now and then
    // (synced) leaves nothing behind.
    if (old && durability_ == Durability::Ordinary) {
        if (auto spare = takeSpareFile(target_.parent_path()); spare && openSpare(*spare, *old))
            return std::nullopt;
    }
    std::string pattern = target_.string() + ".vornik-XXXXXX";
    const int descriptor = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0) {
        const int folderError = errno;
        // A file the user may write in a folder that takes no new file.
        if (old && (folderError == EACCES || folderError == EPERM))
            return openRewriting();
        return "no file can be made in its folder: " + reasonOf(folderError);
    }
    sibling_ = pattern;
    cleanup_ = RemovalOnInterrupt(sibling_);
    replacesOld_ = old.has_value();
    copyOwnership(descriptor, old);
    stream_ = streamOf(descriptor, "w+b");
    return stream_ != nullptr ? std::nullopt : std::optional(reasonOf(errno));
}

// Writes into the spare an earlier save left in this folder, when it is this
// program's alone (no other link to it); false, the spare removed, when it
// cannot be used. It is written over from its start and cut on commit.
bool SafeOutput::openSpare(SpareFile& spare, const struct stat& old) {
    const int descriptor = ::open(spare.path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    const bool usable = descriptor >= 0 && ::fstat(descriptor, &status) == 0 &&
                        S_ISREG(status.st_mode) && status.st_nlink == 1;
    if (!usable) {
        if (descriptor >= 0)
            ::close(descriptor);
        ::unlink(spare.path.c_str());
        return false;
    }
    if (status.st_mode != old.st_mode || status.st_uid != old.st_uid || status.st_gid != old.st_gid)
        copyOwnership(descriptor, old);
    stream_ = streamOf(descriptor, "w+b"); // fdopen never empties the file
    if (stream_ == nullptr) {
        ::unlink(spare.path.c_str());
        return false;
    }
    sibling_ = std::move(spare.path);
    cleanup_ = std::move(spare.cleanup);
    replacesOld_ = true;
    reusesSpare_ = true;
    return true;
}

// A device or pipe is written as it is; a pipe that no one reads is refused
// rather than waited on.
std::optional<std::string> SafeOutput::openDevice() {
    inPlace_ = true;
    durability_ = Durability::Ordinary; // a device or pipe has nothing to sync
    const int descriptor = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENXIO ? "it is a pipe that no program reads from" : reasonOf(errno);
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    stream_ = streamOf(descriptor, "wb");
    return stream_ != nullptr ? std::nullopt : std::optional(reasonOf(errno));
}

// The file itself is rewritten, cut only once its old content is safe in
// memory, to be put back should the new not all be written.
std::optional<std::string> SafeOutput::openRewriting() {
    inPlace_ = true;
    const int descriptor = ::open(target_.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
        return reasonOf(errno);
    struct stat status {};
    std::optional<std::string> old;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode))
        old = readAll(descriptor, status.st_size);
    if (!old || ::ftruncate(descriptor, 0) != 0) {
        const int reason = errno;
        ::close(descriptor);
        return "its folder takes no new file, and the file itself cannot be rewritten safely: " +
               reasonOf(reason);
    }
    oldBytes_ = std::move(*old);
    restoreOld_ = true;
    stream_ = streamOf(descriptor, "w+b");
    return stream_ != nullptr ? std::nullopt : std::optional(reasonOf(errno));
}

std::optional<std::string> SafeOutput::commit() {
    if (stream_ == nullptr)
        return "the file was not opened";
    if (!inPlace_)
        return finishReplacement();
    std::FILE* stream = std::exchange(stream_, nullptr);
    const bool written = closeWritten(stream, durability_, false);
    return finishInPlace(written, errno);
}

std::optional<std::string> SafeOutput::finishReplacement() {
    std::FILE* stream = std::exchange(stream_, nullptr);
    if (!closeWritten(stream, durability_, reusesSpare_)) {
        const int reason = errno;
        discard();
        return reasonOf(reason);
    }
    if (!takeTargetName()) {
        const int reason = errno;
        discard();
        return reasonOf(reason);
    }
    sibling_.clear();
    cleanup_.release();
    committed_ = true;
    return std::nullopt;
}

// The fresh file takes the destination's name. An old file there is swapped
// with it, rather than renamed over: ext4 forces a file renamed over another
// out to the disk at once, which for a run of labels costs more than drawing
// them (a file whose safety matters more is saved Synced). The old file is
// kept as the spare for the next save, or removed after a synced save. Where the swap cannot be
// had, a plain rename does it.
bool SafeOutput::takeTargetName() {
    if (replacesOld_ &&
        ::renameat2(AT_FDCWD, sibling_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) == 0) {
        if (durability_ == Durability::Synced)
            ::unlink(sibling_.c_str()); // now the old file
        else
            keepSpareFile({std::exchange(sibling_, {}), std::move(cleanup_)});
        return true;
    }
    return ::rename(sibling_.c_str(), target_.c_str()) == 0;
}

std::optional<std::string> SafeOutput::finishInPlace(bool written, int reason) {
    if (written) {
        committed_ = true;
        restoreOld_ = false;
        oldBytes_.clear();
        return std::nullopt;
    }
    discard();
    return reasonOf(reason);
}

// Leaves the destination as it was before the output was opened.
void SafeOutput::discard() noexcept {
    if (stream_ != nullptr)
        std::fclose(std::exchange(stream_, nullptr));
    if (!sibling_.empty()) {
        ::unlink(sibling_.c_str());
        sibling_.clear();
        cleanup_.release();
    }
    if (!restoreOld_)
        return;
    restoreOld_ = false;
    const int descriptor = ::open(target_.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
        return;
    if (writeAll(descriptor, oldBytes_))
        (void)::ftruncate(descriptor, static_cast<off_t>(oldBytes_.size()));
    ::close(descriptor);
}

std::optional<std::string> saveWholeFile(const fs::path& path, std::string_view bytes,
                                         Durability durability) {
    SafeOutput output(path, durability);
    if (auto reason = output.open())
        return reason;
    if (std::fwrite(bytes.data(), 1, bytes.size(), output.stream()) != bytes.size()) {
        const int reason = errno;
        return reasonOf(reason); // the output is discarded as it goes
    }
    return output.commit();
}

} // namespace vornik::files
