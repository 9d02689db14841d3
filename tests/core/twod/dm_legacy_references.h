#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vornik::twod::testing {

// A file of reference data under tests/core/twod/data, without its comment
// lines ('#') and blank lines.
inline std::vector<std::string> referenceLines(const std::string& name) {
    std::ifstream file(std::string(VORNIK_SOURCE_DIRECTORY) + "/tests/core/twod/data/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    return lines;
}

// `text` cut at each `separator`.
inline std::vector<std::string> fields(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

} // namespace vornik::twod::testing
