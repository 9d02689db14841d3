#pragma once

// What the entry points of the modules share; no Qt.

#include "core/app/image_format.h"

#include <cstddef>
#include <optional>
#include <string>

namespace vornik::exporting {

// TEXT into the caller's buffer of ERROR_SIZE bytes, cut to fit and ended
// with a zero byte.
void copyError(const std::string& text, char* error, std::size_t errorSize);

// The format the destination's extension names; nothing, with a sentence
// saying so in `error`, when it names none.
[[nodiscard]] std::optional<ImageFormat> destinationFormat(const char* destination, char* error,
                                                           std::size_t errorSize);

} // namespace vornik::exporting
