#include "cli/desktop_start.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace vornik::cli {
namespace {

bool environmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

bool displayAvailable() {
    return environmentSet("DISPLAY") || environmentSet("WAYLAND_DISPLAY");
}

std::string replaceProcess(const std::filesystem::path& program,
                           const std::vector<std::string>& arguments, std::string_view what) {
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    return std::string(what) + " " + program.string() + " could not be started (" +
           std::strerror(errno) + ")";
}

std::string startDesktopProgram(const std::filesystem::path& programDirectory,
                                const std::vector<std::string>& arguments) {
    return replaceProcess(programDirectory / kDesktopProgramFile, arguments, "the desktop program");
}

} // namespace vornik::cli
