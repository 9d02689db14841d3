#include "core/files/file_io.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vornik::files {

namespace {

namespace fs = std::filesystem;

std::string lastSystemError() {
    return std::strerror(errno);
}

// A name beside PATH that no other file has, for writing before replacing.
fs::path siblingName(const fs::path& path) {
    fs::path candidate = path;
    for (int attempt = 0;; ++attempt) {
        candidate = path;
        candidate += ".vornik-new" + (attempt == 0 ? std::string() : std::to_string(attempt));
        std::error_code ignored;
        if (!fs::exists(candidate, ignored))
            return candidate;
    }
}

} // namespace

FileBytes readWholeFile(const std::string& path, std::size_t maxBytes) {
    FileBytes result;
    std::error_code error;
    if (fs::is_directory(path, error)) {
        result.error = "it is a folder";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = lastSystemError();
        return result;
    }
    in.seekg(0, std::ios::end);
    const auto length = static_cast<std::streamoff>(in.tellg());
    if (length < 0) {
        result.error = "its length cannot be read";
        return result;
    }
    if (static_cast<std::uintmax_t>(length) > maxBytes) {
        result.tooLarge = true;
        return result;
    }
    in.seekg(0);
    result.bytes.resize(static_cast<std::size_t>(length));
    if (!in.read(result.bytes.data(), length)) {
        result.bytes.clear();
        result.error = "it could not be read to its end";
    }
    return result;
}

std::optional<std::string> replaceFile(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return "no file name was given";
    const fs::path target(path);
    const fs::path fresh = siblingName(target);
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        if (!out)
            return lastSystemError();
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(fresh, ignored);
            return "the file could not be written to its end";
        }
    }
    std::error_code error;
    fs::rename(fresh, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(fresh, ignored);
        return error.message();
    }
    return std::nullopt;
}

std::string fileFailureText(std::string_view path, std::string_view reason) {
    return "File: " + std::string(path) + " could not be used: " + std::string(reason) + ".";
}

} // namespace vornik::files
