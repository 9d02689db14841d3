#pragma once

// The read-back module: reads the symbol in an image file, so that a batch
// can check every label it writes. It is a module of its own, loaded only
// when a batch verifies, so that the program starts without the image
// libraries and the reader.

#include <cstddef>

namespace vornik::exporting {
inline constexpr const char* kReadBackModuleFile = "vornik-readback.so";
inline constexpr const char* kReadBackEntryPoint = "vornik_read_back";
} // namespace vornik::exporting

extern "C" {

// How a read-back ended.
enum VornikReadBackStatus {
    VORNIK_READ_BACK_READ = 0,       // TEXT holds what the symbol says, UTF-8
    VORNIK_READ_BACK_NOTHING = 1,    // the image holds no symbol of FORMAT that reads
    VORNIK_READ_BACK_UNREADABLE = 2, // the file is no image; ERROR says why
};

// Reads the symbol of FORMAT ("Code128", "UPC-A", ...) in the image FILE,
// whose extension names its format. PURE asks for a lone symbol (the
// stacked RSS forms read only so). TEXT and ERROR receive NUL-terminated
// texts, cut to their sizes.
int vornik_read_back(const char* file, const char* format, int pure, char* text,
                     std::size_t textSize, char* error, std::size_t errorSize);
}
