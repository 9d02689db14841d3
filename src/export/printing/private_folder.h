#pragma once

#include <filesystem>
#include <string>
#include <variant>

namespace vornik::printing {

// A folder under the temporary folder that only its owner can enter, made
// with a name nobody could have taken first, and removed with everything in
// it when this goes.
class PrivateFolder {
public:
    // A new folder, or why none could be made.
    [[nodiscard]] static std::variant<PrivateFolder, std::string> make();

    PrivateFolder(PrivateFolder&& other) noexcept : path_(std::move(other.path_)) {
        other.path_.clear();
    }
    PrivateFolder& operator=(PrivateFolder&&) = delete;
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    ~PrivateFolder();

    const std::filesystem::path& path() const { return path_; }

private:
    explicit PrivateFolder(std::filesystem::path path) : path_(std::move(path)) {}

    std::filesystem::path path_;
};

} // namespace vornik::printing
