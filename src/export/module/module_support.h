#pragma once

// What the entry points of the converter module share.

#include <cstddef>
#include <string>

namespace vornik::exporting {

// Makes the GUI application that fonts need, on the offscreen platform, the
// first time it is called; it lives until the process ends.
void ensureGuiApplication();

// TEXT into the caller's buffer of ERROR_SIZE bytes, cut to fit and ended
// with a zero byte.
void copyError(const std::string& text, char* error, std::size_t errorSize);

} // namespace vornik::exporting
