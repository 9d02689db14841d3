#pragma once

#include <gtest/gtest.h>
#include <string>

namespace vornik::testing {

// The bytes of a configuration file with line LINE (from 1) replaced by TEXT.
// In a file whose raw strings hold no line break, every field is a line of
// its own, except that the raw strings and the comment share line 63.
inline std::string withLine(const std::string& bytes, int line, const std::string& text) {
    std::size_t begin = 0;
    for (int i = 1; i < line && begin != std::string::npos; ++i) {
        begin = bytes.find("\r\n", begin);
        begin = begin == std::string::npos ? begin : begin + 2;
    }
    const std::size_t end = begin == std::string::npos ? begin : bytes.find("\r\n", begin);
    EXPECT_NE(end, std::string::npos) << "the file has no line " << line;
    if (end == std::string::npos)
        return bytes;
    return bytes.substr(0, begin) + text + bytes.substr(end);
}

// Lines of a configuration file, as withLine() counts them.
inline constexpr int kFontSizeLine = 15;
inline constexpr int kRasterResolutionLine = 72;

} // namespace vornik::testing
