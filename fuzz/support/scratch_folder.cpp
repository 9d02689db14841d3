#include "support/scratch_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace vornik::fuzz {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void cannotGoOn(const std::string& what) {
    std::fprintf(stderr, "fuzz: %s\n", what.c_str());
    std::exit(1);
}

// In memory where the system has a folder for that: inputs write files by
// the million.
fs::path baseFolder() {
    std::error_code error;
    if (fs::is_directory("/dev/shm", error) && ::access("/dev/shm", W_OK | X_OK) == 0)
        return "/dev/shm";
    return fs::temp_directory_path();
}

fs::path makePrivateFolder() {
    const fs::path base = baseFolder();
    std::string pattern = (base / "vornik-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        cannotGoOn("no private folder could be made in " + base.string());
    return pattern;
}

void emptyFolder(const fs::path& folder) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        fs::remove_all(entry.path(), error);
}

fs::path& rootToRemove() {
    static fs::path root;
    return root;
}

void removeRoot() {
    std::error_code error;
    fs::remove_all(rootToRemove(), error);
}

} // namespace

ScratchFolder::ScratchFolder()
    : root_(makePrivateFolder()), work_(root_ / "work"), temporary_(root_ / "tmp"),
      program_(root_ / "program") {
    rootToRemove() = root_;
    std::atexit(removeRoot);
    for (const fs::path& folder : {work_, temporary_, program_})
        fs::create_directory(folder);
    std::error_code error;
    const fs::path patterns = program_ / "Cluster.Dat";
    fs::copy_file(fs::path(VORNIK_DATA_DIRECTORY) / "Cluster.Dat", patterns, error);
    if (error)
        cannotGoOn("the PDF417 pattern file could not be copied: " + error.message());
    fs::permissions(patterns, fs::perms::owner_read);
    if (::setenv("TMPDIR", temporary_.c_str(), 1) != 0)
        cannotGoOn("the temporary directory could not be set");
}

ScratchFolder& ScratchFolder::get() {
    static ScratchFolder folder;
    return folder;
}

fs::path ScratchFolder::write(std::string_view name, std::string_view bytes) const {
    const fs::path path = work_ / name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush())
        cannotGoOn("the input could not be written to " + path.string());
    return path;
}

void ScratchFolder::clear() const {
    emptyFolder(work_);
    emptyFolder(temporary_);
}

InsideScratchFolder::InsideScratchFolder() : startFolder_(::open(".", O_RDONLY | O_CLOEXEC)) {
    if (startFolder_ < 0 || ::chdir(ScratchFolder::get().work().c_str()) != 0)
        cannotGoOn("the scratch folder could not be entered");
}

InsideScratchFolder::~InsideScratchFolder() {
    if (::fchdir(startFolder_) != 0)
        cannotGoOn("the folder the run started in could not be entered again");
    ::close(startFolder_);
    ScratchFolder::get().clear();
}

void prepareScratchRun(int* argc, char*** argv) {
    (void)ScratchFolder::get();
    static std::vector<std::string> texts(*argv, *argv + *argc);
    bool prefixGiven = false;
    for (std::string& text : texts) {
        for (const std::string_view flag : {"-artifact_prefix=", "-exact_artifact_path="}) {
            if (!text.starts_with(flag))
                continue;
            prefixGiven = prefixGiven || flag == "-artifact_prefix=";
            text = std::string(flag) + fs::absolute(text.substr(flag.size())).string();
        }
    }
    if (!prefixGiven)
        texts.push_back("-artifact_prefix=" + fs::current_path().string() + "/");
    static std::vector<char*> arguments;
    for (std::string& text : texts)
        arguments.push_back(text.data());
    *argc = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    *argv = arguments.data();
}

void finding(std::string_view what) {
    std::fprintf(stderr, "fuzz: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

} // namespace vornik::fuzz
