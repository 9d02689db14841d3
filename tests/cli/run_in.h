#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace vornik::cli {

// The text as one shell word: in single quotes, each quote in it closed,
// escaped and opened again.
inline std::string shellWord(const std::string& text) {
    std::string word = "'";
    for (const char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

// Runs a shell command in FOLDER with no input, HOME and XDG_CONFIG_HOME
// inside the folder; its exit status (-1 when it did not exit), its standard
// output in FOLDER/out and its standard error in FOLDER/err.
inline int runIn(const std::filesystem::path& folder, const std::string& command) {
    const std::string line = "cd " + shellWord(folder.string()) +
                             " && HOME=\"$PWD/home\" XDG_CONFIG_HOME=\"$PWD/config\" " + command +
                             " </dev/null >out 2>err";
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace vornik::cli
