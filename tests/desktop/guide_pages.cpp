#include "desktop/guide_pages.h"

#include <algorithm>
#include <regex>

namespace vornik::guide {

namespace fs = std::filesystem;

fs::path guideFolder() {
    return fs::path(VORNIK_SOURCE_DIRECTORY) / "docs" / "guide";
}

std::vector<fs::path> guidePages() {
    std::vector<fs::path> pages;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(guideFolder(), error))
        if (entry.is_regular_file() && entry.path().extension() == ".html")
            pages.push_back(entry.path());
    std::sort(pages.begin(), pages.end());
    return pages;
}

namespace {

struct NamedEntity {
    std::string_view name;
    char character;
};

constexpr NamedEntity kNamedEntities[] = {
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''},
};

// The character of the reference at TEXT[at] (which is "&"), and its length;
// a length of 0 when it is no reference the guide uses.
std::pair<std::string, std::size_t> entityAt(std::string_view text, std::size_t at) {
    const std::size_t end = text.find(';', at);
    if (end == std::string_view::npos || end - at > 8)
        return {"", 0};
    const std::string_view name = text.substr(at + 1, end - at - 1);
    for (const NamedEntity& entity : kNamedEntities)
        if (name == entity.name)
            return {std::string(1, entity.character), end - at + 1};
    if (name.size() >= 2 && name[0] == '#' &&
        std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const int code = std::stoi(std::string(name.substr(1)));
        if (code > 0 && code < 128)
            return {std::string(1, static_cast<char>(code)), end - at + 1};
    }
    return {"", 0};
}

// The text of an element, decoded, with any markup inside it dropped.
std::string elementText(const std::string& inner) {
    return decodeEntities(std::regex_replace(inner, std::regex("<[^>]*>"), ""));
}

std::vector<std::string> attributeValues(std::string_view html, const char* names) {
    std::vector<std::string> values;
    const std::string text(html);
    const std::regex attribute(R"re((?:^|\s)(?:)re" + std::string(names) +
                               R"re()\s*=\s*"([^"]*)")re");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), attribute);
         it != std::sregex_iterator(); ++it)
        values.push_back(decodeEntities((*it)[1].str()));
    return values;
}

} // namespace

std::string decodeEntities(std::string_view text) {
    std::string decoded;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '&') {
            decoded += text[at];
            continue;
        }
        const auto [character, length] = entityAt(text, at);
        if (length == 0) {
            decoded += '&';
            continue;
        }
        decoded += character;
        at += length - 1;
    }
    return decoded;
}

PageExamples commandExamples(std::string_view html) {
    PageExamples page;
    const std::string text(html);
    const std::regex part(R"re(<code class="command">([\s\S]*?)</code>)re"
                          R"re(|<samp class="stderr">([\s\S]*?)</samp>)re"
                          R"re(|<span class="status">exit status (\d+)</span>)re"
                          R"re(|<samp class="stdout">([\s\S]*?)</samp>)re");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), part);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& match = *it;
        if (match[1].matched) {
            page.examples.push_back({elementText(match[1].str()), std::nullopt, "", ""});
        } else if (page.examples.empty() || page.examples.back().exitStatus) {
            page.misplaced.push_back(match.str());
        } else if (match[2].matched) {
            page.examples.back().err += elementText(match[2].str()) + "\n";
        } else if (match[4].matched) {
            page.examples.back().out += elementText(match[4].str()) + "\n";
        } else {
            page.examples.back().exitStatus = std::stoi(match[3].str());
        }
    }
    return page;
}

std::vector<std::string> references(std::string_view html) {
    return attributeValues(html, "href|src");
}

std::vector<std::string> anchors(std::string_view html) {
    return attributeValues(html, "id");
}

std::optional<LocalReference> localReference(std::string_view reference) {
    static const std::regex scheme("^[A-Za-z][A-Za-z0-9+.-]*:");
    const std::string text(reference);
    if (text.rfind("//", 0) == 0 || std::regex_search(text, scheme))
        return std::nullopt;
    const std::size_t hash = text.find('#');
    if (hash == std::string::npos)
        return LocalReference{text, ""};
    return LocalReference{text.substr(0, hash), text.substr(hash + 1)};
}

} // namespace vornik::guide
