#include "core/files/message_lines.h"

#include <utility>

namespace vornik::files {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

MessageLines::MessageLines(std::string bytes) : bytes_(std::move(bytes)) {
    // Every line takes at least one byte, so this many checkpoints always
    // suffice and the index is never copied while it grows; what is left
    // over is given back once the lines are counted.
    checkpoints_.reserve(bytes_.size() / kLinesPerCheckpoint + 1);
    for (std::size_t start = 0; start < bytes_.size(); start = nextStart(start)) {
        if (count_ % kLinesPerCheckpoint == 0)
            checkpoints_.push_back(start);
        ++count_;
    }
    checkpoints_.shrink_to_fit();
}

MessageLines::MessageLines(MessageLines&& other) noexcept
    : bytes_(std::move(other.bytes_)), checkpoints_(std::move(other.checkpoints_)),
      count_(std::exchange(other.count_, 0)), cursorLine_(std::exchange(other.cursorLine_, 0)),
      cursorStart_(std::exchange(other.cursorStart_, 0)) {}

MessageLines& MessageLines::operator=(MessageLines&& other) noexcept {
    if (this == &other)
        return *this;
    bytes_ = std::move(other.bytes_);
    checkpoints_ = std::move(other.checkpoints_);
    count_ = std::exchange(other.count_, 0);
    cursorLine_ = std::exchange(other.cursorLine_, 0);
    cursorStart_ = std::exchange(other.cursorStart_, 0);
    return *this;
}

std::string_view MessageLines::line(std::size_t index) const {
    if (index >= count_)
        return {};
    const std::size_t start = startOf(index);
    return std::string_view(bytes_).substr(start, endOf(start) - start);
}

std::size_t MessageLines::heldBytes() const {
    return sizeof(*this) + bytes_.capacity() + checkpoints_.capacity() * sizeof(std::size_t);
}

// Where the line starting at START ends: its first CR or LF, or the end of
// the file.
std::size_t MessageLines::endOf(std::size_t start) const {
    const char* const data = bytes_.data();
    const std::size_t size = bytes_.size();
    std::size_t end = start;
    while (end < size && !isLineEnd(data[end]))
        ++end;
    return end;
}

// Where the line after the one starting at START starts: past its line end,
// a CR LF pair counting as one end.
std::size_t MessageLines::nextStart(std::size_t start) const {
    const std::size_t end = endOf(start);
    if (end == bytes_.size())
        return end;
    if (bytes_[end] == '\r' && end + 1 < bytes_.size() && bytes_[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

// Where the line before the one starting at START starts. A CR is always the
// first byte of a line end, so an LF right after one belongs to it.
std::size_t MessageLines::previousStart(std::size_t start) const {
    std::size_t end = start - 1;
    if (bytes_[end] == '\n' && end > 0 && bytes_[end - 1] == '\r')
        --end;
    while (end > 0 && !isLineEnd(bytes_[end - 1]))
        --end;
    return end;
}

std::size_t MessageLines::startOf(std::size_t index) const {
    if (index == cursorLine_)
        return cursorStart_;
    std::size_t start = 0;
    if (index == cursorLine_ + 1) {
        start = nextStart(cursorStart_);
    } else if (index + 1 == cursorLine_) {
        start = previousStart(cursorStart_);
    } else {
        start = checkpoints_[index / kLinesPerCheckpoint];
        for (std::size_t skip = index % kLinesPerCheckpoint; skip > 0; --skip)
            start = nextStart(start);
    }
    cursorLine_ = index;
    cursorStart_ = start;
    return start;
}

} // namespace vornik::files
