#pragma once

#include "core/app/symbology.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vornik {
class Application;
}

namespace vornik::files {

// A file read as one message holds at most this many bytes.
inline constexpr std::size_t kMaxMessageFileBytes = 3072;

// How an entry of a message file fills the message and the supplement box
// for the UPC and EAN family: an add-on may follow a "-" (or a blank), or
// simply the digits of the symbol.
struct UpcEntry {
    std::string message;
    std::string supplement;
    bool operator==(const UpcEntry&) const = default;
};
[[nodiscard]] UpcEntry splitUpcEntry(std::string_view entry, Symbology symbology);

// Read Message From File: the whole file, bytes as they are, becomes the
// message; no build follows. A file longer than 3072 bytes is reported as
// message error 19 and the message kept. False when nothing was read.
bool ReadMessageFile(Application& app, const std::string& path);

// Opens a file of messages, one per line: the navigation shows, numbering
// is suspended while the file is open, and the first entry is built. False
// (the previous file, if any, staying open) when the file cannot be read.
bool OpenMessageFile(Application& app, const std::string& path);

// The message-file step: +1, -1, or 0 to show the current entry again.
// Going past either end beeps, sets AtEnd and returns false.
bool StepMessage(Application& app, int step);

// Closes the open message file; false when none is open. Numbering that the
// file suspended comes back on and its current number is built.
bool CloseMessageFile(Application& app);

} // namespace vornik::files
