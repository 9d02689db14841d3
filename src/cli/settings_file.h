#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vornik::cli {

// The per-user settings store of the headless program: the same INI file the
// desktop program keeps through QSettings (organisation and application
// "Vornik", group "Settings"), so both see one preference. Only the
// [Settings] section is looked at; everything else in the file is left
// exactly as it stands.
class SettingsFile {
public:
    // Reads an environment variable; nullopt when it is not set.
    using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

    explicit SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

    // $XDG_CONFIG_HOME/Vornik/Vornik.conf, with $HOME/.config standing in when
    // XDG_CONFIG_HOME is unset, empty or relative. Empty when neither
    // variable gives a usable folder.
    static std::filesystem::path defaultPath(const EnvironmentLookup& lookup);
    static std::filesystem::path defaultPath();

    const std::filesystem::path& path() const { return path_; }

    // The value of KEY in [Settings]; nullopt when the file is missing,
    // unreadable or has no such key.
    std::optional<std::string> read(std::string_view key) const;

    // Sets KEY in [Settings] and replaces the file in one step, creating its
    // folders as needed. False, with the reason in lastError(), when the key
    // or value cannot be stored as plain text or the file cannot be
    // replaced; the file is then left as it was.
    [[nodiscard]] bool write(std::string_view key, std::string_view value);

    const std::string& lastError() const { return lastError_; }

private:
    bool fail(std::string message);

    std::filesystem::path path_;
    std::string lastError_;
};

} // namespace vornik::cli
