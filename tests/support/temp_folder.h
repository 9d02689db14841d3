#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace vornik::testing {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the test is done.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes TEXT, byte for byte, to NAME inside the folder (creating folders
    // on the way) and returns the file's path.
    std::filesystem::path write(const std::filesystem::path& name, const std::string& text) const;

private:
    std::filesystem::path path_;
};

// Works in another folder for its lifetime: commands that write files by
// name (a fuzzed [SAVEBARCODE(7)]) then write there, not into the checkout.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

} // namespace vornik::testing
