#include "cli/batch/vector_rasteriser.h"

#include "core/app/image_format.h"
#include "core/app/save_bar_code.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vornik::cli {

namespace {

// A metafile is drawn to fit this square; a label's metafile is drawn a few
// thousand dots across, as a 300 dpi raster would be.
constexpr const char* kMetafileSize = "1200";
// The exit status a spawned child gives when its program cannot be started.
constexpr int kNotStarted = 127;

struct Rasteriser {
    std::vector<std::string> arguments;
    const char* package;
};

Rasteriser rasteriserFor(const std::string& file, const std::string& png) {
    const std::string extension = extensionOf(file);
    if (extension == "EPS" || extension == "PDF")
        return {{"gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE",
                 extension == "EPS" ? "-dEPSCrop" : "-dFirstPage=1", "-sDEVICE=pnggray", "-r300",
                 "-sOutputFile=" + png, file},
                "ghostscript"};
    if (extension == "SVG")
        return {{"rsvg-convert", "-d", "300", "-p", "300", "-b", "white", "-o", png, file},
                "librsvg2-bin"};
    return {{"wmf2gd", "-t", "png", std::string("--maxwidth=") + kMetafileSize,
             std::string("--maxheight=") + kMetafileSize, "--maxpect", "-o", png, file},
            "libwmf-bin"};
}

// Runs the program with its output thrown away; its exit status, or -1.
int runQuietly(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return started == ENOENT ? kNotStarted : -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

bool isVectorFile(const std::string& file) {
    const auto format = imageFormatFor(extensionOf(file));
    return !format || isVectorFormat(*format) || *format == ImageFormat::Pdf;
}

std::optional<std::variant<NoRasteriser, std::string>> rasteriseVector(const std::string& file,
                                                                       const std::string& png) {
    const Rasteriser rasteriser = rasteriserFor(file, png);
    const int status = runQuietly(rasteriser.arguments);
    if (status == 0 && ::access(png.c_str(), R_OK) == 0)
        return std::nullopt;
    if (status == kNotStarted)
        return NoRasteriser{"it needs " + rasteriser.arguments.front() + " (Debian package " +
                            rasteriser.package + ") to be drawn for reading"};
    return std::string(rasteriser.arguments.front() + " could not draw it");
}

} // namespace vornik::cli
