#pragma once

#include <string>
#include <string_view>

namespace vornik {

// Upper case for the ASCII letters only: every other byte (Windows-1252
// letters above 127 included) is kept, whatever the locale says.
[[nodiscard]] constexpr char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

[[nodiscard]] inline std::string asciiUpper(std::string_view text) {
    std::string upper{text};
    for (char& c : upper)
        c = asciiUpper(c);
    return upper;
}

} // namespace vornik
