#pragma once

#include <filesystem>
#include <string>

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

// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

} // namespace vornik::testing
