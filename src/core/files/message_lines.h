#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vornik::files {

// The lines of a message file, held as the file's own bytes. A line ends at
// CR, LF or CR LF, and the line ends are not kept; a last line without a line
// end still counts.
//
// A file of labels may hold millions of short lines, so there is no entry per
// line: only where every 64th line starts is remembered, and a line is found
// by reading forward from the nearest such start. The line last asked for is
// remembered too, so that stepping to the next or previous line reads only
// the lines concerned.
class MessageLines {
public:
    MessageLines() = default;
    // Takes the file's bytes without copying them.
    explicit MessageLines(std::string bytes);
    // A moved-from list is left empty, never counting lines it no longer has.
    MessageLines(MessageLines&& other) noexcept;
    MessageLines& operator=(MessageLines&& other) noexcept;
    MessageLines(const MessageLines&) = default;
    MessageLines& operator=(const MessageLines&) = default;
    ~MessageLines() = default;

    [[nodiscard]] std::size_t size() const { return count_; }
    [[nodiscard]] bool empty() const { return count_ == 0; }

    // Line `index`, counted from 0; it must be below size(). The view lasts
    // as long as this object.
    [[nodiscard]] std::string_view line(std::size_t index) const;

    // The memory held for the lines, in bytes: the file's bytes and the index.
    [[nodiscard]] std::size_t heldBytes() const;

private:
    static constexpr std::size_t kLinesPerCheckpoint = 64;

    [[nodiscard]] std::size_t endOf(std::size_t start) const;
    [[nodiscard]] std::size_t nextStart(std::size_t start) const;
    [[nodiscard]] std::size_t previousStart(std::size_t start) const;
    [[nodiscard]] std::size_t startOf(std::size_t index) const;

    std::string bytes_;
    std::vector<std::size_t> checkpoints_; // where lines 0, 64, 128, ... start
    std::size_t count_ = 0;
    // The line last looked up and where it starts; not to be shared between
    // threads.
    mutable std::size_t cursorLine_ = 0;
    mutable std::size_t cursorStart_ = 0;
};

} // namespace vornik::files
