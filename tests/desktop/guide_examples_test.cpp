// Every command example of the user guide runs through the built program and
// ends with the exit status, and writes the lines on standard output and
// standard error, that the guide shows beside it; and the guide tells of every command the language
// has. The examples of one page run in order in one folder, so a later one
// may use the files an earlier one wrote.

#include "cli/run_in.h"
#include "core/app/symbology.h"
#include "desktop/guide_pages.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace vornik::guide {
namespace {

namespace fs = std::filesystem;
using cli::runIn;
using cli::shellWord;
using testing::readFile;
using testing::TempFolder;

std::vector<std::string> pageNames() {
    std::vector<std::string> names;
    for (const fs::path& page : guidePages())
        names.push_back(page.filename().string());
    return names;
}

// The line as the test runs it, in a shell of its own (so that its
// redirections and loops stay its own) that finds the built program first
// as "vornik".
std::string runnable(const std::string& line) {
    const std::string folder = fs::path(VORNIK_PROGRAM).parent_path().string();
    return "PATH=" + shellWord(folder) + ":\"$PATH\" sh -c " + shellWord(line);
}

// Standard error as a terminal shows it: the line breaks of a message box's
// text are CR LF, which the guide writes as the line ends they look like. A
// lone CR stays, so that an example showing it wrongly still fails.
std::string asShown(std::string err) {
    return std::regex_replace(err, std::regex("\r\n"), "\n");
}

class GuidePageExamples : public ::testing::TestWithParam<std::string> {};

TEST_P(GuidePageExamples, RunAsTheGuideSays) {
    const PageExamples page = commandExamples(readFile(guideFolder() / GetParam()));
    EXPECT_EQ(page.misplaced, std::vector<std::string>{});
    const TempFolder folder;
    for (const CommandExample& example : page.examples) {
        SCOPED_TRACE(example.command);
        // Examples that print on the queue office-laser are run by the
        // printing tests, on a queue of their own.
        if (example.command.find(kPrintingExampleQueue) != std::string::npos)
            continue;
        ASSERT_TRUE(example.exitStatus) << "The guide gives no exit status for this example.";
        EXPECT_EQ(runIn(folder.path(), runnable(example.command)), *example.exitStatus);
        EXPECT_EQ(asShown(readFile(folder.path() / "err")), example.err);
        EXPECT_EQ(readFile(folder.path() / "out"), example.out);
    }
}

INSTANTIATE_TEST_SUITE_P(Guide, GuidePageExamples, ::testing::ValuesIn(pageNames()),
                         [](const auto& info) {
                             return std::regex_replace(info.param, std::regex("[^A-Za-z0-9]"), "_");
                         });

TEST(GuideExamples, EveryFamilyPageHasExamples) {
    for (const char* name : {"getting-started.html", "linear-symbologies.html",
                             "two-dimensional-symbols.html", "dimensions.html", "files.html",
                             "numbering.html", "batch-labelling.html", "command-language.html"}) {
        SCOPED_TRACE(name);
        const std::string html = readFile(guideFolder() / name);
        ASSERT_FALSE(html.empty()) << "The guide has no page " << name << ".";
        EXPECT_GE(commandExamples(html).examples.size(), 3u);
    }
}

TEST(AsShown, EndsMessageBoxLinesAsATerminalShowsThem) {
    EXPECT_EQ(asShown("A!\r\n\r\nB?\nvornik: x\n"), "A!\n\nB?\nvornik: x\n");
    EXPECT_EQ(asShown("A\rB\n"), "A\rB\n");
}

TEST(RunnableLine, FindsTheBuiltProgramFirst) {
    const TempFolder folder;
    EXPECT_EQ(runIn(folder.path(), runnable("command -v vornik")), 0);
    EXPECT_EQ(readFile(folder.path() / "out"), std::string(VORNIK_PROGRAM) + "\n");
    EXPECT_EQ(runIn(folder.path(), runnable("for i in 1 2; do printf $i > f$i; done; exit 3")), 3);
    EXPECT_EQ(readFile(folder.path() / "f2"), "2");
}

// The whole guide, its pages one after another.
std::string wholeGuide() {
    std::string text;
    for (const fs::path& page : guidePages())
        text += decodeEntities(readFile(page));
    return text;
}

// The keywords of the interpreter's command tables, as they stand in its
// sources: "[BUILD/COPY]", "[BARWIDTH=", "[SAVEBARCODE(".
std::set<std::string> interpreterKeywords() {
    std::set<std::string> keywords;
    const std::regex entry(R"re(\{"(\[[A-Z0-9/]+(?:[=(]|=[A-Z0-9]+\]|\]))")re");
    const fs::path folder = fs::path(VORNIK_SOURCE_DIRECTORY) / "src" / "core" / "dde";
    for (const auto& file : fs::directory_iterator(folder)) {
        const std::string source = readFile(file.path());
        for (auto it = std::sregex_iterator(source.begin(), source.end(), entry);
             it != std::sregex_iterator(); ++it)
            keywords.insert((*it)[1].str());
    }
    return keywords;
}

TEST(GuideCommands, TellsOfEveryCommandOfTheLanguage) {
    const std::string guide = wholeGuide();
    const std::set<std::string> keywords = interpreterKeywords();
    ASSERT_GE(keywords.size(), 150u) << "The command tables were not found where they were.";
    for (const std::string& keyword : keywords)
        EXPECT_NE(guide.find(keyword), std::string::npos) << keyword << " is not in the guide.";
}

TEST(GuideCommands, TellsOfEverySymbologyKeyword) {
    const std::string guide = wholeGuide();
    for (const SymbologyEntry& entry : kSymbologyCatalogue) {
        for (std::string_view keyword : entry.keywords) {
            if (keyword.empty())
                continue;
            EXPECT_NE(guide.find(keyword), std::string::npos) << keyword << " is not in the guide.";
        }
    }
}

} // namespace
} // namespace vornik::guide
