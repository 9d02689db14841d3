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
// output in FOLDER/out and its standard error in FOLDER/err. Unless a test
// names a print service of its own in CUPS_SERVER, the command finds none,
// so that no test prints on the machine's printers and every test sees the
// same world.
inline int runIn(const std::filesystem::path& folder, const std::string& command) {
    const std::string line =
        "cd " + shellWord(folder.string()) +
        " && HOME=\"$PWD/home\" XDG_CONFIG_HOME=\"$PWD/config\"" +
        " CUPS_SERVER=\"${CUPS_SERVER:-/nonexistent/vornik-test-cups.sock}\" " + command +
        " </dev/null >out 2>err";
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace vornik::cli
