#include "export/glyphs/remembered_choices.h"

#include <algorithm>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vornik::exporting {
namespace {

constexpr const char* kHeading = "vornik font choices 1";

// Labels use a few fonts; a file that has gathered more starts afresh
// rather than grow without end.
constexpr std::size_t kMostKept = 256;

// The environment variables fontconfig's answers depend on: where its
// configuration and the user's folders are, and the language it prefers faces
// for.
constexpr const char* kHeededVariables[] = {
    "FONTCONFIG_FILE",
    "FONTCONFIG_PATH",
    "FONTCONFIG_SYSROOT",
    "FC_LANG",
    "LANG",
    "LC_ALL",
    "LC_CTYPE",
    "HOME",
    "XDG_CONFIG_HOME",
    "XDG_DATA_HOME",
};

// A file's or folder's modification time, size and inode; "-" when absent.
std::string stampOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return "-";
    std::ostringstream stamp;
    stamp << status.st_mtim.tv_sec << '.' << status.st_mtim.tv_nsec << ':' << status.st_size << ':'
          << status.st_ino;
    return stamp.str();
}

std::string environment() {
    std::string text;
    for (const char* name : kHeededVariables) {
        const char* value = std::getenv(name);
        text += std::string(name) + '=' + (value ? value : "") + '\x1F';
    }
    return text;
}

std::string hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const unsigned char byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

std::optional<std::string> unhex(std::string_view text) {
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto digit = [](char c) {
            return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        };
        const int high = digit(text[i]);
        const int low = digit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

// The fields between tabs, empty ones (a choice of no face) included.
std::vector<std::string> fields(std::string_view line) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        parts.emplace_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return parts;
        start = tab + 1;
    }
}

// A choice line: the key's fields, then the file (empty when no face will
// do), its index and its family, all hexadecimal but the numbers.
std::string lineOf(const ChoiceKey& key, const std::optional<FontFile>& choice) {
    std::ostringstream line;
    line << "choice\t" << hex(key.faceName) << '\t' << int(key.pitchAndFamily) << '\t' << key.weight
         << '\t' << int(key.italic) << '\t' << std::uint32_t(key.codePoint) << '\t'
         << (choice ? hex(choice->path) : "") << '\t' << (choice ? choice->index : 0) << '\t'
         << (choice ? hex(choice->family) : "");
    return line.str();
}

bool parseChoice(const std::vector<std::string>& parts, ChoiceKey& key,
                 std::optional<FontFile>& choice) {
    if (parts.size() != 9 || parts[0] != "choice")
        return false;
    const auto face = unhex(parts[1]);
    const auto path = unhex(parts[6]);
    const auto family = unhex(parts[8]);
    if (!face || !path || !family)
        return false;
    try {
        key = {*face, static_cast<std::uint8_t>(std::stoi(parts[2])),
               static_cast<std::int16_t>(std::stoi(parts[3])), std::stoi(parts[4]) != 0,
               static_cast<char32_t>(std::stoul(parts[5]))};
        choice.reset();
        if (!path->empty())
            choice = FontFile{*path, std::stoi(parts[7]), *family};
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

std::vector<std::string> listed(FcStrList* list) {
    std::vector<std::string> paths;
    if (list == nullptr)
        return paths;
    while (FcChar8* path = FcStrListNext(list))
        paths.emplace_back(reinterpret_cast<const char*>(path));
    FcStrListDone(list);
    return paths;
}

} // namespace

RememberedChoices::RememberedChoices(std::filesystem::path file) : file_(std::move(file)) {}

// Anything amiss in the file, or anything it depends on that has changed,
// leaves nothing kept.
void RememberedChoices::load() {
    loaded_ = true;
    std::ifstream in(file_);
    std::string line;
    if (file_.empty() || !std::getline(in, line) || line != kHeading)
        return;
    if (!std::getline(in, line) || line != "environment\t" + hex(environment()))
        return;
    std::vector<std::string> watched;
    std::vector<Kept> kept;
    while (std::getline(in, line)) {
        const std::vector<std::string> parts = fields(line);
        if (parts.size() == 3 && parts[0] == "watch") {
            const auto path = unhex(parts[2]);
            if (!path || stampOf(*path) != parts[1])
                return;
            watched.push_back(*path);
            continue;
        }
        Kept entry;
        if (!parseChoice(parts, entry.key, entry.choice))
            return;
        if (entry.choice && stampOf(entry.choice->path) == "-")
            return;
        kept.push_back(std::move(entry));
    }
    watched_ = std::move(watched);
    kept_ = std::move(kept);
}

std::optional<std::optional<FontFile>> RememberedChoices::find(const ChoiceKey& key) {
    if (!loaded_)
        load();
    for (const Kept& entry : kept_)
        if (entry.key == key)
            return entry.choice;
    return std::nullopt;
}

void RememberedChoices::remember(const ChoiceKey& key, const std::optional<FontFile>& choice,
                                 const std::vector<std::string>& watched) {
    if (!loaded_)
        load();
    if (watched_ != watched || kept_.size() >= kMostKept) {
        watched_ = watched;
        kept_.clear();
    }
    kept_.push_back({key, choice});
    save();
}

// Written beside the file and renamed over it, so that a reader never sees
// half of it.
void RememberedChoices::save() const {
    if (file_.empty())
        return;
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);
    const std::filesystem::path temporary = file_.string() + ".new-" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << kHeading << "\nenvironment\t" << hex(environment()) << '\n';
        for (const std::string& path : watched_)
            out << "watch\t" << stampOf(path) << '\t' << hex(path) << '\n';
        for (const Kept& entry : kept_)
            out << lineOf(entry.key, entry.choice) << '\n';
        if (!out.flush()) {
            std::filesystem::remove(temporary, ignored);
            return;
        }
    }
    std::filesystem::rename(temporary, file_, ignored);
    if (ignored)
        std::filesystem::remove(temporary, ignored);
}

std::filesystem::path rememberedChoicesFile() {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache == '/')
        return std::filesystem::path(cache) / "vornik" / "font-choices";
    if (const char* home = std::getenv("HOME"); home && *home == '/')
        return std::filesystem::path(home) / ".cache" / "vornik" / "font-choices";
    return {};
}

namespace {

// The user's own configuration and fonts, which fontconfig reads when they
// are there: watched also while they are not, so that making them is seen.
std::vector<std::string> userPlaces() {
    std::vector<std::string> places;
    const char* home = std::getenv("HOME");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* data = std::getenv("XDG_DATA_HOME");
    const std::string homePath = home && *home == '/' ? home : "";
    const std::string configPath = config && *config == '/' ? config
                                   : homePath.empty()       ? ""
                                                            : homePath + "/.config";
    const std::string dataPath = data && *data == '/' ? data
                                 : homePath.empty()   ? ""
                                                      : homePath + "/.local/share";
    if (!configPath.empty())
        places.insert(places.end(),
                      {configPath + "/fontconfig", configPath + "/fontconfig/fonts.conf",
                       configPath + "/fontconfig/conf.d"});
    if (!dataPath.empty())
        places.push_back(dataPath + "/fonts");
    if (!homePath.empty())
        places.insert(places.end(), {homePath + "/.fonts.conf", homePath + "/.fonts.conf.d",
                                     homePath + "/.fonts"});
    return places;
}

} // namespace

std::vector<std::string> fontconfigInputs() {
    FcConfig* config = FcConfigGetCurrent();
    std::vector<std::string> paths = listed(FcConfigGetConfigFiles(config));
    const std::vector<std::string> user = userPlaces();
    paths.insert(paths.end(), user.begin(), user.end());
    for (auto* list : {FcConfigGetConfigDirs(config), FcConfigGetFontDirs(config)}) {
        const std::vector<std::string> more = listed(list);
        paths.insert(paths.end(), more.begin(), more.end());
    }
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    return paths;
}

} // namespace vornik::exporting
