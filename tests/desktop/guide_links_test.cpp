// Every file and anchor the guide's pages refer to exists, every page can be
// reached from the index, and the pages load nothing from elsewhere and run
// no script, so that the guide reads the same from the build folder, from an
// installed copy and offline.

#include "desktop/guide_pages.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace vornik::guide {
namespace {

namespace fs = std::filesystem;
using testing::readFile;

// The referring page's name, for messages.
std::string nameOf(const fs::path& page) {
    return page.filename().string();
}

TEST(GuideLinks, TheGuideHasItsPages) {
    const std::vector<fs::path> pages = guidePages();
    ASSERT_GE(pages.size(), 7u);
    EXPECT_TRUE(fs::is_regular_file(guideFolder() / "index.html"));
}

TEST(GuideLinks, EveryLocalFileAndAnchorExists) {
    for (const fs::path& page : guidePages()) {
        const std::string html = readFile(page);
        for (const std::string& reference : references(html)) {
            SCOPED_TRACE(nameOf(page) + " refers to " + reference);
            const std::optional<LocalReference> local = localReference(reference);
            if (!local)
                continue;
            const fs::path target = local->file.empty() ? page : page.parent_path() / local->file;
            ASSERT_TRUE(fs::is_regular_file(target)) << "There is no such file.";
            if (local->fragment.empty())
                continue;
            const std::vector<std::string> ids = anchors(readFile(target));
            EXPECT_NE(std::find(ids.begin(), ids.end(), local->fragment), ids.end())
                << "The page has no such anchor.";
        }
    }
}

// Links to other sites may be followed by the reader; nothing the page loads
// by itself (style sheets, pictures) may come from elsewhere.
TEST(GuideLinks, PagesLoadNothingFromElsewhereAndRunNoScript) {
    const std::regex loaded(R"re(<(link|img|source|iframe|object|embed)\b[^>]*>)re");
    for (const fs::path& page : guidePages()) {
        SCOPED_TRACE(nameOf(page));
        const std::string html = readFile(page);
        EXPECT_EQ(html.find("<script"), std::string::npos);
        EXPECT_EQ(html.find("javascript:"), std::string::npos);
        EXPECT_EQ(html.find("@import"), std::string::npos);
        for (auto it = std::sregex_iterator(html.begin(), html.end(), loaded);
             it != std::sregex_iterator(); ++it)
            for (const std::string& reference : references(it->str()))
                EXPECT_TRUE(localReference(reference)) << it->str();
    }
}

TEST(GuideLinks, StyleSheetLoadsNothingFromElsewhere) {
    const std::string css = readFile(guideFolder() / "guide.css");
    ASSERT_FALSE(css.empty());
    EXPECT_EQ(css.find("url("), std::string::npos);
    EXPECT_EQ(css.find("@import"), std::string::npos);
}

TEST(GuideLinks, EveryPageIsReachableFromTheIndex) {
    std::set<std::string> reached{"index.html"};
    std::vector<std::string> toVisit{"index.html"};
    while (!toVisit.empty()) {
        const std::string name = toVisit.back();
        toVisit.pop_back();
        for (const std::string& reference : references(readFile(guideFolder() / name))) {
            const std::optional<LocalReference> local = localReference(reference);
            if (local && local->file.ends_with(".html") && reached.insert(local->file).second)
                toVisit.push_back(local->file);
        }
    }
    for (const fs::path& page : guidePages())
        EXPECT_TRUE(reached.count(nameOf(page))) << nameOf(page) << " is linked from no page.";
}

// Every page shares the one style sheet and says what it is.
TEST(GuideLinks, EveryPageUsesTheStyleSheetAndHasATitle) {
    const std::regex title(R"re(<title>[^<]+</title>)re");
    for (const fs::path& page : guidePages()) {
        SCOPED_TRACE(nameOf(page));
        const std::string html = readFile(page);
        EXPECT_NE(html.find(R"(<link rel="stylesheet" href="guide.css">)"), std::string::npos);
        EXPECT_TRUE(std::regex_search(html, title));
        EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    }
}

} // namespace
} // namespace vornik::guide
