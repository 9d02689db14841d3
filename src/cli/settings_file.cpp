#include "cli/settings_file.h"

#include "core/files/file_io.h"
#include "core/files/safe_output.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vornik::cli {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSection = "Settings";

// ---- Reading and editing the text of an INI file -------------------------

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text.append(line).push_back('\n');
    return text;
}

// "[Name]" -> "Name"; nullopt for a line that is not a section header.
std::optional<std::string_view> sectionName(std::string_view line) {
    const auto trimmed = trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[')
        return std::nullopt;
    const auto close = trimmed.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed.substr(1, close - 1);
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> keyValue(std::string_view line) {
    const auto trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return std::nullopt;
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyValue{trim(trimmed.substr(0, equals)), trim(trimmed.substr(equals + 1))};
}

// QSettings puts a value in double quotes when it has leading or trailing
// blanks or INI punctuation, escaping quotes and backslashes inside.
std::string unquoted(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return std::string(value);
    std::string plain;
    const auto inner = value.substr(1, value.size() - 2);
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '\\' && i + 1 < inner.size())
            ++i;
        plain.push_back(inner[i]);
    }
    return plain;
}

// Keys QSettings writes without escaping.
bool isPlainKey(std::string_view key) {
    return !key.empty() && std::ranges::all_of(key, [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return std::isalnum(u) || c == '-' || c == '_' || c == '.';
    });
}

// Values QSettings reads back as the same text without quoting or escapes.
bool isPlainValue(std::string_view value) {
    if (!value.empty() && (value.front() == ' ' || value.back() == ' ' || value.front() == '@'))
        return false;
    return std::ranges::all_of(value, [](char c) {
        return c >= 0x20 && c <= 0x7E && c != '"' && c != '\\' && c != ';' && c != ',' && c != '=';
    });
}

struct KeyLines {
    std::vector<std::size_t> matches;      // lines that set the key in [Settings]
    std::optional<std::size_t> sectionEnd; // where a new key goes in the last [Settings]
};

KeyLines findKey(const std::vector<std::string>& lines, std::string_view key) {
    KeyLines found;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            inSection = *name == kSection;
            if (inSection)
                found.sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!trim(lines[i]).empty())
            found.sectionEnd = i + 1;
        if (const auto entry = keyValue(lines[i]); entry && entry->key == key)
            found.matches.push_back(i);
    }
    return found;
}

std::string keyLine(std::string_view key, std::string_view value, bool crlf) {
    std::string line;
    line.append(key).push_back('=');
    line.append(value);
    if (crlf)
        line.push_back('\r');
    return line;
}

// The file's text with KEY set to VALUE; every other line stays as it was.
std::string withSetting(const std::string& text, std::string_view key, std::string_view value) {
    auto lines = splitLines(text);
    const auto found = findKey(lines, key);
    for (const auto index : found.matches) {
        const bool crlf = !lines[index].empty() && lines[index].back() == '\r';
        lines[index] = keyLine(key, value, crlf);
    }
    if (!found.matches.empty())
        return joinLines(lines);
    if (found.sectionEnd) {
        const auto at = static_cast<std::ptrdiff_t>(*found.sectionEnd);
        lines.insert(lines.begin() + at, keyLine(key, value, false));
        return joinLines(lines);
    }
    if (!lines.empty() && !trim(lines.back()).empty())
        lines.emplace_back();
    lines.push_back("[" + std::string(kSection) + "]");
    lines.push_back(keyLine(key, value, false));
    return joinLines(lines);
}

// ---- The file itself -----------------------------------------------------

// The file's text; a missing file is an empty one.
files::FileBytes loadText(const fs::path& path) {
    constexpr std::size_t kLargestSettingsFile = 16u << 20;
    files::FileBytes file = files::readWholeFile(path, kLargestSettingsFile);
    if (file.missing)
        file.error.clear();
    if (file.tooLarge)
        file.error = "it is too large to be a settings file";
    return file;
}

std::optional<std::string> environment(const char* name) {
    if (const char* value = std::getenv(name))
        return std::string(value);
    return std::nullopt;
}

std::optional<std::string> passwordHome() {
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return std::string(entry->pw_dir);
    return std::nullopt;
}

} // namespace

fs::path SettingsFile::defaultPath(const EnvironmentLookup& lookup) {
    const fs::path tail = fs::path("Vornik") / "Vornik.conf";
    if (const auto config = lookup("XDG_CONFIG_HOME"); config && fs::path(*config).is_absolute())
        return fs::path(*config) / tail;
    if (const auto home = lookup("HOME"); home && !home->empty())
        return fs::path(*home) / ".config" / tail;
    return {};
}

fs::path SettingsFile::defaultPath() {
    return defaultPath([](const char* name) {
        auto value = environment(name);
        if (!value && std::string_view(name) == "HOME")
            value = passwordHome();
        return value;
    });
}

std::optional<std::string> SettingsFile::read(std::string_view key) const {
    if (path_.empty())
        return std::nullopt;
    const auto file = loadText(path_);
    if (!file.error.empty())
        return std::nullopt;
    const auto lines = splitLines(file.bytes);
    const auto found = findKey(lines, key);
    if (found.matches.empty())
        return std::nullopt;
    // QSettings lets the last of repeated keys win; so do we.
    return unquoted(keyValue(lines[found.matches.back()])->value);
}

bool SettingsFile::write(std::string_view key, std::string_view value) {
    lastError_.clear();
    if (path_.empty())
        return fail("there is no settings file: neither XDG_CONFIG_HOME nor HOME is set");
    if (!isPlainKey(key))
        return fail("the setting name \"" + std::string(key) + "\" is not plain text");
    if (!isPlainValue(value))
        return fail("the value of " + std::string(key) + " is not plain text");
    const auto current = loadText(path_);
    if (!current.error.empty())
        return fail("cannot read " + path_.string() + ": " + current.error);
    // Every run stores its preferences as it ends, mostly as they were: a
    // file that would come out the same is left alone, saving a replacement
    // forced to the disk each time.
    std::string text = withSetting(current.bytes, key, value);
    if (!current.missing && text == current.bytes)
        return true;
    std::error_code folderError;
    if (!path_.parent_path().empty())
        fs::create_directories(path_.parent_path(), folderError);
    if (folderError)
        return fail("cannot create the folder " + path_.parent_path().string() + ": " +
                    folderError.message());
    // Saved safely and forced to the disk: a link stays a link, the
    // permissions stay, and a failed write leaves the old file.
    const auto error = files::saveWholeFile(path_, text, files::Durability::Synced);
    return !error || fail("cannot save " + path_.string() + ": " + *error);
}

bool SettingsFile::fail(std::string message) {
    lastError_ = std::move(message);
    return false;
}

} // namespace vornik::cli
