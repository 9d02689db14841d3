#pragma once

#include "core/files/interrupt_cleanup.h"
#include "core/files/spare_file.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace vornik::files {

// Whether a finished file is forced out to the disk before it takes its
// name: worth it for a small document the user keeps (the settings, a
// configuration), not for every label of a batch.
enum class Durability { Ordinary, Synced };

// An output that replaces its file only when it is whole. What is written
// goes to a fresh file beside the destination, created exclusively and
// privately, which takes the destination's name when it is finished; a
// failed or abandoned output leaves the old file exactly as it was.
//
// - A link is written through: the file it points to is replaced and the
//   link stays.
// - The new file keeps the old one's permissions (and, where the system
//   allows, its owner and group); a new file gets the usual ones.
// - A device or a pipe is written into in place (a pipe must have a
//   reader); a folder or anything else that is not a file is refused.
// - When the folder takes no new file but the file itself may be written,
//   it is written in place, and its old bytes are put back if that fails.
// - A name holding a NUL character is refused.
// - Unless the output is synced, the old file is kept as the spare that the
//   next save in its folder writes into (see spare_file.h).
class SafeOutput {
public:
    explicit SafeOutput(std::filesystem::path path, Durability durability = Durability::Ordinary);
    ~SafeOutput();
    SafeOutput(const SafeOutput&) = delete;
    SafeOutput& operator=(const SafeOutput&) = delete;

    // Prepares the output; the reason when it cannot be written.
    [[nodiscard]] std::optional<std::string> open();
    // The stream to write to, open for reading too so that a writer may seek
    // back over what it wrote. Null before a successful open.
    [[nodiscard]] std::FILE* stream() const { return stream_; }
    // Makes the written bytes the file's content; the reason when they did
    // not all reach it, the old file then being kept.
    [[nodiscard]] std::optional<std::string> commit();

private:
    std::optional<std::string> openReplacement(const std::optional<struct stat>& old);
    bool openSpare(SpareFile& spare, const struct stat& old);
    std::optional<std::string> openDevice();
    std::optional<std::string> openRewriting();
    std::optional<std::string> finishReplacement();
    bool takeTargetName();
    std::optional<std::string> finishInPlace(bool written, int reason);
    void discard() noexcept;

    std::filesystem::path requested_;
    std::filesystem::path target_; // the destination with every link followed
    std::string sibling_;          // the fresh file, while it has no name of its own
    std::string oldBytes_;         // for putting back a file written in place
    bool replacesOld_ = false;     // a file of the destination's name is there
    bool reusesSpare_ = false;     // written into the spare of an earlier save
    bool restoreOld_ = false;      // the file was cut: its old bytes go back unless committed
    RemovalOnInterrupt cleanup_;   // the fresh file goes if the program is stopped
    Durability durability_;
    bool inPlace_ = false; // a device, or a file its folder gives no sibling
    std::FILE* stream_ = nullptr;
    bool committed_ = false;
};

// Writes BYTES as the whole content of PATH through a SafeOutput; the reason
// when it could not.
[[nodiscard]] std::optional<std::string>
saveWholeFile(const std::filesystem::path& path, std::string_view bytes,
              Durability durability = Durability::Ordinary);

} // namespace vornik::files
